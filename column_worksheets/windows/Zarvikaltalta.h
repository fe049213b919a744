#pragma once
// The half-page column worksheet window ("Yarım Sayfa", A5 pages).

#include "column_worksheets/windows/ColumnWorksheetWindow.h"

class TFormZarvikAltAlta : public ColumnWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikAltAlta(zarvik::AppContext& context, QWidget* parent = nullptr);
};
