#include "text/maker.h"

#include "text/product.h"

std::string makerPage(const std::string& path) {
  std::string site = makerWebSite;
  return site.substr(0, site.size() - 1) + path;  // the site ends with "/", the path starts with one
}

std::string productPage() { return makerPage("/zorvane/"); }

std::string uninstallPage() { return makerPage("/zorvane/uninstall.html"); }

std::string supportMailLink() { return std::string("mailto:") + supportMail; }

std::string feedbackMailLink() { return supportMailLink() + "?subject=" + titleText() + " Feedback"; }
