#pragma once

#include "rig.h"

#include "installer/core/start_up.h"
#include "installer/ui/wizard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace qm::install::test {

// The wizard over a fake platform with the whole payload, on its first window.
struct WizardRig
{
    explicit WizardRig(const QStringList &drives = { QStringLiteral("/") })
        : state(prepareInstallState(platform, platform.programFiles()))
        , wizard(platform, questions, state, drives)
    {
        platform.writePayload();
        wizard.start();
    }

    QWidget *window() const { return wizard.currentWindow(); }
    template<typename T> T *find(const QString &name) const
    {
        return window() ? window()->findChild<T *>(name) : nullptr;
    }
    QString windowName() const { return window() ? window()->objectName() : QString(); }
    // A label's text, or a button's caption as it shows.
    QString text(const QString &name) const
    {
        if (auto *label = find<QLabel>(name))
            return label->text();
        auto *button = find<QAbstractButton>(name);
        return button ? button->text().remove(u'&') : QStringLiteral("no widget ") + name;
    }
    void click(const QString &button, int times = 1) const
    {
        for (int i = 0; i < times; ++i) {
            QPushButton *target = find<QPushButton>(button);
            QVERIFY2(target, qPrintable(button));
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }
    void clickFolder(const QString &path) const
    {
        auto *list = find<QListWidget>("dirList");
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == path) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no entry ") + path));
    }
    // Every entry of the fake platform's tree, with its temporary root written "<root>", so that
    // two runs can be compared.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> files = snapshot(platform.root.path());
        for (QByteArray &bytes : files)
            bytes.replace(platform.root.path().toUtf8(), "<root>");
        return files;
    }

    FakePlatform platform;
    AnsweringQuestions questions;
    InstallState state;
    Wizard wizard;
    QSignalSpy finished { &wizard, &Wizard::finished };
};

} // namespace qm::install::test
