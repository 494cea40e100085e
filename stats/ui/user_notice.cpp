#include "stats/ui/user_notice.h"

#include <QMessageBox>

namespace qm::stats {

namespace {
const QString kCaption = QStringLiteral("Quillmere 3 - Statistiques");
}

void MessageBoxNotice::inform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, kCaption, text);
}

void MessageBoxNotice::warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, kCaption, text);
}

} // namespace qm::stats
