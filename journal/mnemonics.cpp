#include "journal/mnemonics.h"

#include <QSet>

namespace qm {

QStringList withMnemonics(const QStringList &captions)
{
    QSet<QString> taken;
    QStringList marked;
    marked.reserve(captions.size());
    for (const QString &caption : captions) {
        QString escaped = caption;
        escaped.replace(u'&', QStringLiteral("&&"));
        for (qsizetype i = 0; i < escaped.size(); ++i) {
            const QString letter = escaped.mid(i, 1).toCaseFolded();
            if (!escaped[i].isLetter() || taken.contains(letter))
                continue;
            taken.insert(letter);
            escaped.insert(i, u'&');
            break;
        }
        marked.append(escaped);
    }
    return marked;
}

QString plainCaption(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain.append(caption[i]);
    }
    return plain;
}

} // namespace qm
