#pragma once

#include "journal/activity_array.h"

#include <QStringList>

namespace qm {

class Questions;
struct SettingsModel;

// The activity list editor without its widgets. It works on the lists of the settings in
// place; the opening copy lets "Abandonner" put them back.
class ActivityEditor
{
public:
    ActivityEditor(SettingsModel &settings, Questions &questions);

    void backupActivityLists();
    void restoreActivityLists();

    QStringList currentList() const;
    QStringList retiredList() const;

    // Asks for a name and adds it at the end of the current list; false when nothing changed.
    bool add();
    // Each returns the index to select afterwards (-1: nothing), or the given one when nothing
    // could be done.
    int moveUp(int index);
    int moveDown(int index);
    int retire(int index);
    int bringBack(int index);

private:
    bool refuseWhenFull(const ActivityArray &list);
    bool refuseBlankName(const QString &name);
    bool refuseReservedName(const QString &name);
    bool refuseDuplicate(const QString &name);

    SettingsModel &m_settings;
    Questions &m_questions;
    ActivityArray m_currentCopy;
    ActivityArray m_retiredCopy;
};

} // namespace qm
