#pragma once

#include <QDialog>

namespace qm {

// The welcome window of the first run.
class frmFirstExe : public QDialog
{
    Q_OBJECT

public:
    explicit frmFirstExe(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace qm
