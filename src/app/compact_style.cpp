#include "app/compact_style.h"

#include <gtk/gtk.h>

void useCompactStyle() {
  static const char css[] =
      "entry { min-height: 0; padding-top: 0; padding-bottom: 0; }"
      "combobox button, combobox box { min-height: 0; padding-top: 0; padding-bottom: 0; }"
      "combobox entry { min-height: 0; }"
      "toolbar { padding: 0; }"
      "toolbar button, toolbar toolbutton > button { min-height: 0; min-width: 0; padding: 2px; }"
      "button { min-height: 0; padding-top: 2px; padding-bottom: 2px; }";
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, css, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}
