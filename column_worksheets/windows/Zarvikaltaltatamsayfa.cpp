#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"

TFormZarvikAltAltaTamSayfa::TFormZarvikAltAltaTamSayfa(zarvik::AppContext& context, QWidget* parent)
    : ColumnWorksheetWindow(context, zarvik::fullPageDesign(), parent) {}
