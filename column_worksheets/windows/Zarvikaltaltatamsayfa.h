#pragma once
// The full-page column worksheet window ("Tam Sayfa", A4 pages).

#include "column_worksheets/windows/ColumnWorksheetWindow.h"

class TFormZarvikAltAltaTamSayfa : public ColumnWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikAltAltaTamSayfa(zarvik::AppContext& context, QWidget* parent = nullptr);
};
