#include "column_worksheets/windows/Zarvikaltalta.h"

TFormZarvikAltAlta::TFormZarvikAltAlta(zarvik::AppContext& context, QWidget* parent)
    : ColumnWorksheetWindow(context, zarvik::halfPageDesign(), parent) {}
