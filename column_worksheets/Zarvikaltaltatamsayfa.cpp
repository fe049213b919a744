#include "column_worksheets/Zarvikaltaltatamsayfa.h"

TFormZarvikAltAltaTamSayfa::TFormZarvikAltAltaTamSayfa(zarvik::AppContext& context, QWidget* parent)
    : ColumnWorksheetWindow(context, zarvik::fullPageDesign(), parent) {}
