#pragma once
// Every text field and list of a window tied to the caption beside it (or
// above it), so that assistive technology reads what the field is for and
// the desktop's on-screen keyboard knows an editable field has the focus.
// Qt gives each field its role; the designs only place the captions near.

class QWidget;

namespace zarvik {

// For each field without a name of its own: the label on its row nearest to
// it, or the one right above it, becomes its buddy (its name follows the
// label's text); a radio button or check box there names it by its caption.
void nameFieldsByTheirCaptions(QWidget& window);

}  // namespace zarvik
