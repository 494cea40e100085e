#pragma once

#include <initializer_list>

class QAbstractButton;

namespace qm {

// Alt and a letter of its caption press each button, the first ones given having the first
// choice; a screen reader still reads the caption alone.
void giveMnemonics(std::initializer_list<QAbstractButton *> buttons);

} // namespace qm
