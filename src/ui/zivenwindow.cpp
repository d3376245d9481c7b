#include "ui/zivenwindow.h"

#include "testrun/ziven.h"
#include "ui/commandbutton.h"
#include "ui/cwiatwindow.h"
#include "ui/itemlistview.h"
#include "ui/menubarkey.h"
#include "ui/pictureboxwidget.h"
#include "ui/picturewindow.h"
#include "ui/programicon.h"
#include "ui/units.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

QString indexed(const char* name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// What a screen reader calls the controls that have no caption of their own.
// Buttons and labels are named by their captions, which a set name would
// hide from it.
const char* const listNames[] = {"Латински изрази", "Значения", "Въведени отговори"};
const char* const pictureNames[] = {"Картина", "Резервна картина"};

// A window may be dropped from inside one of its own event handlers (its
// menu, its close button), so it goes after the handler has returned. It
// lets go of its models first, while they still exist.
template <typename Window> void dropLater(std::unique_ptr<Window>& window) {
    window->detach();
    window->hide();
    window.release()->deleteLater();
}

} // namespace

ZivenWindow::ZivenWindow(Ziven& model, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_model(model), m_client(new QWidget(this)) {
    setWindowIcon(programIcon());
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    buildControls();
    buildMenu();
    orderFocus();
    refresh();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_client->findChild<ItemListView*>(QStringLiteral("Slowo(0)"))->setFocus();
}

ZivenWindow::~ZivenWindow() {
    if (m_appearance) m_appearance->detach();
    if (m_picture) m_picture->detach();
    m_controls.detach();
}

void ZivenWindow::buildControls() {
    for (std::size_t i = 0; i < m_model.Slowo.size(); ++i) {
        auto* view = new ItemListView(m_model.Slowo[i].list(), m_client);
        view->setObjectName(indexed("Slowo", i));
        view->setAccessibleName(QString::fromUtf8(listNames[i]));
        m_controls.bindList(m_model.Slowo[i], *view);
        connect(view, &ItemListView::pupilActed, this, &ZivenWindow::refresh);
    }
    for (std::size_t i = 0; i < m_model.Uprawl.size(); ++i) {
        const Button& control = m_model.Uprawl[i];
        auto* button = new CommandButton(m_client);
        button->setObjectName(indexed("Uprawl", i));
        m_controls.bind(control, *button, roles::button,
                        [button, &control] { button->setText(control.caption()); });
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_model.Uprawl_Click(static_cast<int>(i));
            refresh();
        });
    }

    auto* counter = new QLabel(m_client);
    counter->setObjectName(QStringLiteral("Ndapis"));
    counter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    counter->setWordWrap(true);
    m_controls.bind(m_model.Ndapis, *counter, roles::filled,
                    [counter, this] { counter->setText(m_model.Ndapis.caption()); });

    auto* explanation = new QPlainTextEdit(m_client);
    explanation->setObjectName(QStringLiteral("Prowerka(0)"));
    explanation->setAccessibleName(QStringLiteral("Обяснения"));
    explanation->setReadOnly(true);
    explanation->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    explanation->setFocusPolicy(Qt::StrongFocus);
    explanation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_controls.bind(m_model.Prowerka[0], *explanation, roles::box, [explanation, this] {
        const QString text = toDisplayText(m_model.Prowerka[0].text());
        if (explanation->toPlainText() != text) explanation->setPlainText(text);
    });

    auto* verdict = new QLineEdit(m_client);
    verdict->setObjectName(QStringLiteral("Prowerka(1)"));
    // Read as its text, "ДА" or "НЕ", not only seen as its colour.
    verdict->setAccessibleName(QStringLiteral("Проверка"));
    verdict->setReadOnly(true);
    m_controls.bind(m_model.Prowerka[1], *verdict, roles::box,
                    [verdict, this] { verdict->setText(m_model.Prowerka[1].text()); });

    for (std::size_t i = 0; i < m_model.Grafika.size(); ++i) {
        const PictureBox& control = m_model.Grafika[i];
        auto* panel = new PictureBoxWidget(m_client);
        panel->setObjectName(indexed("Grafika", i));
        panel->setAccessibleName(QString::fromUtf8(pictureNames[i]));
        m_controls.bind(control, *panel, roles::filled,
                        [panel, &control] { panel->setPicture(control.picture()); });
        connect(panel, &PictureBoxWidget::clicked, this, [this, i] {
            m_model.Grafika_Click(static_cast<int>(i));
            refresh();
        });
    }
}

void ZivenWindow::buildMenu() {
    // Top-level items that act when clicked on the bar itself.
    QAction* exit = menuBar()->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("Izhod"));
    // The program ends here; nothing is shown afterwards.
    connect(exit, &QAction::triggered, this, [this] { m_model.Izhod_Click(); });
    QAction* colour = menuBar()->addAction(QStringLiteral("Color"));
    colour->setObjectName(QStringLiteral("Cwqt"));
    connect(colour, &QAction::triggered, this, [this] {
        m_model.Cwqt_Click();
        refresh();
    });
    addMenuBarKey(*this);
}

void ZivenWindow::orderFocus() {
    const char* const order[] = {"Slowo(0)",  "Slowo(1)",   "Slowo(2)",    "Uprawl(0)",
                                 "Uprawl(1)", "Uprawl(2)",  "Prowerka(1)", "Prowerka(0)",
                                 "Uprawl(3)", "Grafika(0)", "Grafika(1)"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = m_client->findChild<QWidget*>(QLatin1String(name));
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void ZivenWindow::refresh() {
    syncWindow();
    m_controls.sync();
    syncAppearanceWindow();
    syncPictureWindow();
}

void ZivenWindow::syncWindow() {
    if (m_shownRevision == m_model.revision()) return;
    m_shownRevision = m_model.revision();
    showWindowFrame(m_model, *this, *m_client, menuBar());

    if (m_shownRaises != m_model.raiseCount()) {
        m_shownRaises = m_model.raiseCount();
        raise();
        activateWindow();
    }
}

void ZivenWindow::syncAppearanceWindow() {
    Cwiat* model = m_model.appearanceWindow();
    const std::uint64_t generation = m_model.appearanceGeneration();
    if (m_appearance && (!model || generation != m_appearanceGeneration)) dropLater(m_appearance);
    if (model && !m_appearance) {
        m_appearance = std::make_unique<CwiatWindow>(*model, [this] { refresh(); });
        m_appearanceGeneration = generation;
    }
    if (m_appearance) m_appearance->sync();
}

void ZivenWindow::syncPictureWindow() {
    Ziven_Graphika* model = m_model.pictures().window();
    const std::uint64_t generation = m_model.pictures().windowGeneration();
    if (m_picture && (!model || generation != m_pictureGeneration)) dropLater(m_picture);
    if (model && !m_picture) {
        m_picture = std::make_unique<PictureWindow>(*model, [this] { pictureWindowClosed(); });
        m_pictureGeneration = generation;
    }
    if (m_picture) m_picture->sync();
}

void ZivenWindow::pictureWindowClosed() {
    // The window lets go of its model before the model goes.
    dropLater(m_picture);
    m_model.pictures().windowClosed();
    refresh();
}

void ZivenWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window is "Exit".
    event->accept();
    m_model.Izhod_Click();
}
