#pragma once

#include <QPixmap>

namespace qm::install {

// The two pictures every window of the wizard shows, drawn once.
class WizardPictures
{
public:
    WizardPictures();

    const QPixmap &imgTitle() const { return m_title; }
    const QPixmap &imgLogo() const { return m_logo; }

private:
    QPixmap m_title;
    QPixmap m_logo;
};

} // namespace qm::install
