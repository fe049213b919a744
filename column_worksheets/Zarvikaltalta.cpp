#include "column_worksheets/Zarvikaltalta.h"

TFormZarvikAltAlta::TFormZarvikAltAlta(zarvik::AppContext& context, QWidget* parent)
    : ColumnWorksheetWindow(context, zarvik::halfPageDesign(), parent) {}
