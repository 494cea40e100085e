#pragma once

#include <QStringList>

namespace qm {

// The captions of one window's buttons, each with an "&" before the letter that Alt takes to
// it: the first letter of its caption that no caption before it took, case aside. A caption
// whose letters are all taken gets none. An "&" already in a caption is doubled, so that it
// shows as written.
QStringList withMnemonics(const QStringList &captions);

// The caption as shown, without the mnemonic's "&".
QString plainCaption(const QString &caption);

} // namespace qm
