#include "settings/uQVPrintLayout.h"

TQVPrintLayout::TQVPrintLayout() {
  Header.Text = "- &p -";
  Header.Font.Name = "Arial";
  Header.Font.Size = 10;
  Footer.Font.Name = "Arial";
  Footer.Font.Size = 10;
}
