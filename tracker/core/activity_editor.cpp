#include "tracker/core/activity_editor.h"

#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/day_state.h"
#include "tracker/core/questions.h"

#include <QCoreApplication>

namespace qm {

ActivityEditor::ActivityEditor(SettingsModel &settings, Questions &questions)
    : m_settings(settings)
    , m_questions(questions)
{ }

void ActivityEditor::backupActivityLists()
{
    m_currentCopy = m_settings.currentActivities;
    m_retiredCopy = m_settings.retiredActivities;
}

void ActivityEditor::restoreActivityLists()
{
    m_settings.currentActivities = m_currentCopy;
    m_settings.retiredActivities = m_retiredCopy;
}

QStringList ActivityEditor::currentList() const
{
    return m_settings.currentActivities.toList();
}

QStringList ActivityEditor::retiredList() const
{
    return m_settings.retiredActivities.toList();
}

bool ActivityEditor::refuseWhenFull(const ActivityArray &list)
{
    if (!list.isFull())
        return false;
    m_questions.warn(QCoreApplication::translate("qm::ActivityEditor", "Quillmere - Liste pleine"),
        QCoreApplication::translate("qm::ActivityEditor",
            "La liste ne peut pas contenir plus de %1 activités.\nRetirez "
            "d'abord une activité de cette liste.")
            .arg(ActivityArray::kCapacity));
    return true;
}

bool ActivityEditor::refuseBlankName(const QString &name)
{
    // A name of blanks shows as an empty row, and once retired it cannot be found again.
    if (!name.trimmed().isEmpty())
        return false;
    m_questions.warn(QCoreApplication::translate("qm::ActivityEditor", "Quillmere - Intitulé vide"),
        QCoreApplication::translate("qm::ActivityEditor",
            "L'intitulé d'une activité ne peut pas être vide.\nSaisissez un intitulé."));
    return true;
}

bool ActivityEditor::refuseReservedName(const QString &name)
{
    // The day takes these two words for its markers: an activity so named would read as
    // nothing recorded yet, or leave the journal with the pauses.
    if (name != kStartActivity && name != kPauseActivity)
        return false;
    m_questions.warn(QCoreApplication::translate("qm::ActivityEditor", "Quillmere - Nom réservé"),
        QCoreApplication::translate("qm::ActivityEditor",
            "L'intitulé \"%1\" est réservé à Quillmere et ne peut pas être "
            "celui d'une activité.\nSaisissez un autre intitulé.")
            .arg(name));
    return true;
}

bool ActivityEditor::refuseDuplicate(const QString &name)
{
    // The change dialog would offer the same activity twice, and one of the two could be
    // retired while the other stays: the lists would no longer say what is current.
    const bool current = m_settings.currentActivities.toList().contains(name);
    if (!current && !m_settings.retiredActivities.toList().contains(name))
        return false;
    m_questions.warn(
        QCoreApplication::translate("qm::ActivityEditor", "Quillmere - Activité existante"),
        QCoreApplication::translate("qm::ActivityEditor",
            "L'activité \"%1\" existe déjà dans la liste des %2.\nSaisissez un "
            "autre intitulé.")
            .arg(name,
                current ? QCoreApplication::translate(
                    "qm::ActivityEditor", "activités actuellement en cours")
                        : QCoreApplication::translate(
                            "qm::ActivityEditor", "activités définitivement terminées")));
    return true;
}

bool ActivityEditor::add()
{
    const auto answer = m_questions.askText(QCoreApplication::translate("qm::ActivityEditor",
                                                "Saisir l'intitulé de la nouvelle activité..."),
        QCoreApplication::translate("qm::ActivityEditor", "Quillmere - Nouvelle activité"));
    if (!answer)
        return false;
    const QString name = storableText(*answer);
    if (refuseBlankName(name) || refuseReservedName(name) || refuseDuplicate(name)
        || refuseWhenFull(m_settings.currentActivities))
        return false;
    return m_settings.currentActivities.append(name);
}

int ActivityEditor::moveUp(int index)
{
    ActivityArray &list = m_settings.currentActivities;
    if (index < 1 || index >= list.count())
        return index;
    list.swap(index - 1, index);
    return index - 1;
}

int ActivityEditor::moveDown(int index)
{
    ActivityArray &list = m_settings.currentActivities;
    if (index < 0 || index >= list.count() - 1)
        return index;
    list.swap(index, index + 1);
    return index + 1;
}

int ActivityEditor::retire(int index)
{
    ActivityArray &current = m_settings.currentActivities;
    if (index < 0 || index >= current.count() || refuseWhenFull(m_settings.retiredActivities))
        return index;
    m_settings.retiredActivities.append(current.takeAt(index));
    return -1;
}

int ActivityEditor::bringBack(int index)
{
    ActivityArray &retired = m_settings.retiredActivities;
    if (index < 0 || index >= retired.count() || refuseWhenFull(m_settings.currentActivities))
        return index;
    m_settings.currentActivities.append(retired.takeAt(index));
    return -1;
}

} // namespace qm
