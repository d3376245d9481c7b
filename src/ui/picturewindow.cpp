#include "ui/picturewindow.h"

#include "pictures/ziven_graphika.h"
#include "ui/pictureboxwidget.h"

#include <QCloseEvent>

PictureWindow::PictureWindow(Ziven_Graphika& model, std::function<void()> closedByPupil)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(&model), m_closedByPupil(std::move(closedByPupil)), m_client(new QWidget(this)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    const PictureBox& control = model.Graphika[0];
    auto* display = new PictureBoxWidget(m_client);
    display->setObjectName(QStringLiteral("Graphika(0)"));
    display->setAccessibleName(QStringLiteral("Увеличена картина"));
    m_controls.bind(control, *display, roles::filled,
                    [display, &control] { display->setPicture(control.picture()); });
}

void PictureWindow::sync() {
    if (!m_model) return;
    const Ziven_Graphika& model = *m_model;
    if (m_shownRevision != model.revision()) {
        m_shownRevision = model.revision();
        showWindowFrame(model, *this, *m_client);
    }
    m_controls.sync();

    if (model.isVisible() && !isVisible()) {
        show();
        raise();
    } else if (!model.isVisible() && isVisible()) {
        hide();
    }
    if (m_shownRaises != model.raiseCount()) {
        m_shownRaises = model.raiseCount();
        if (isVisible()) raise();
    }
}

void PictureWindow::detach() {
    m_controls.detach();
    m_model = nullptr;
}

void PictureWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_model && m_closedByPupil) m_closedByPupil();
}
