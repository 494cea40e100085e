#include "tracker/ui/mnemonic_buttons.h"

#include "journal/mnemonics.h"

#include <QAbstractButton>

namespace qm {

void giveMnemonics(std::initializer_list<QAbstractButton *> buttons)
{
    QStringList captions;
    for (const QAbstractButton *button : buttons)
        captions.append(plainCaption(button->text()));
    const QStringList marked = withMnemonics(captions);
    qsizetype i = 0;
    for (QAbstractButton *button : buttons) {
        button->setText(marked[i]);
        button->setAccessibleName(captions[i]);
        ++i;
    }
}

} // namespace qm
