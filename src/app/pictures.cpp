#include "app/pictures.h"

#include <wx/dcmemory.h>

#include "text/product.h"

namespace {

// TEMPORARY until the built-in artwork is merged: a coloured tile with the
// slot's first letter, so that every slot shows something.
wxBitmap placeholder(const char* slot, int size) {
  unsigned hash = 0;
  for (const char* c = slot; *c; c++) hash = hash * 31 + static_cast<unsigned char>(*c);
  wxBitmap bitmap(size, size, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetBrush(wxBrush(wxColour(60 + hash % 150, 60 + (hash / 150) % 150, 60 + (hash / 22500) % 150)));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRoundedRectangle(1, 1, size - 2, size - 2, size / 5.0);
  dc.SetTextForeground(*wxWHITE);
  dc.SetFont(wxFont(wxFontInfo(size * 0.55).Bold()));
  wxString letter = wxString(slot).Left(1);
  wxSize extent = dc.GetTextExtent(letter);
  dc.DrawText(letter, (size - extent.x) / 2, (size - extent.y) / 2);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

}  // namespace

wxBitmap pictureFor(PictureSet set, const char* slot) {
  if (set == PictureSet::Buttons) return placeholder(slot, std::string(slot) == "Convert" ? 64 : 48);
  return placeholder(slot, 16);
}

wxBitmap aboutBanner() {
  wxBitmap bitmap(360, 40, 24);
  wxMemoryDC dc(bitmap);
  dc.GradientFillLinear(wxRect(0, 0, 360, 40), wxColour(20, 60, 140), wxColour(90, 150, 220));
  dc.SetTextForeground(*wxWHITE);
  dc.SetFont(wxFont(wxFontInfo(14).Bold()));
  dc.DrawText(productName, 12, 9);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

int toolbarIconSize(int32_t uiSize) {
  static const int sizes[] = {16, 24, 32, 48, 64};
  return uiSize >= 0 && uiSize < 5 ? sizes[uiSize] : 16;
}
