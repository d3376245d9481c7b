#include "ui/cwiatwindow.h"

#include "appearance/cwiat.h"
#include "ui/itemlistview.h"
#include "ui/menubarkey.h"
#include "ui/pictureboxwidget.h"
#include "ui/programicon.h"
#include "ui/units.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>

namespace {

QString indexed(const char* name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// What a screen reader calls the controls that have no caption of their own;
// the option buttons' captions are separate labels beside them.
const char* const sliderNames[] = {"Червена съставка", "Зелена съставка", "Синя съставка"};
const char* const optionNames[] = {"Избор: цвят на формата", "Избор: фон на текста",
                                   "Избор: цвят на текста", "Избор: цвят на бутоните"};
const char* const fontListNames[] = {"Шрифтове", "Размери на буквите"};

} // namespace

CwiatWindow::CwiatWindow(Cwiat& model, std::function<void()> refresh)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_model(&model), m_refresh(std::move(refresh)), m_client(new QWidget(this)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(appearanceIcon());
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    buildControls();
    buildMenu();
}

void CwiatWindow::buildControls() {
    Cwiat& model = *m_model;

    auto* swatch = new PictureBoxWidget(m_client);
    swatch->setObjectName(QStringLiteral("picColor"));
    swatch->setAccessibleName(QStringLiteral("Получен цвят"));
    swatch->setFocusPolicy(Qt::NoFocus);
    m_controls.bind(model.picColor, *swatch, roles::filled,
                    [swatch, &model] { swatch->setPicture(model.picColor.picture()); });

    const auto bindLabel = [this](const Label& control, const QString& name) {
        auto* label = new QLabel(m_client);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        m_controls.bind(control, *label, roles::filled,
                        [label, &control] { label->setText(control.caption()); });
    };
    for (std::size_t i = 0; i < model.Label_Cv.size(); ++i)
        bindLabel(model.Label_Cv[i], indexed("Label_Cv", i));
    for (std::size_t i = 0; i < model.Label_ST.size(); ++i)
        bindLabel(model.Label_ST[i], indexed("Label_ST", i));

    for (std::size_t i = 0; i < model.Slider1.size(); ++i) {
        const Slider& control = model.Slider1[i];
        auto* slider = new QSlider(Qt::Horizontal, m_client);
        slider->setObjectName(indexed("Slider1", i));
        slider->setAccessibleName(QString::fromUtf8(sliderNames[i]));
        m_controls.bind(control, *slider, roles::filled, [slider, &control] {
            slider->setRange(control.minimum(), control.maximum());
            slider->setValue(control.value());
        });
        // Values set while showing the model arrive with signals blocked, so
        // whatever comes here is the pupil's move.
        connect(slider, &QSlider::valueChanged, this, [this, i](int value) {
            if (!m_model) return;
            m_model->Slider1[i].setValue(value);
            m_model->Slider1_Moved(static_cast<int>(i));
            m_refresh();
        });
    }

    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < model.Option1.size(); ++i) {
        const OptionButton& control = model.Option1[i];
        auto* option = new QRadioButton(m_client);
        option->setObjectName(indexed("Option1", i));
        option->setAccessibleName(QString::fromUtf8(optionNames[i]));
        group->addButton(option, static_cast<int>(i));
        m_controls.bind(control, *option, roles::filled, [option, group, &control] {
            if (option->isChecked() == control.isChecked()) return;
            // An exclusive group refuses to clear its checked button.
            group->setExclusive(false);
            option->setChecked(control.isChecked());
            group->setExclusive(true);
        });
        connect(option, &QRadioButton::clicked, this, [this, i] {
            if (!m_model) return;
            m_model->Option1_Click(static_cast<int>(i));
            m_refresh();
        });
    }

    for (std::size_t i = 0; i < model.List_font.size(); ++i) {
        auto* view = new ItemListView(model.List_font[i].list(), m_client);
        view->setObjectName(indexed("List_font", i));
        view->setAccessibleName(QString::fromUtf8(fontListNames[i]));
        m_controls.bindList(model.List_font[i], *view);
        connect(view, &ItemListView::pupilActed, this, [this] { m_refresh(); });
    }

    const TextBox& sampleControl = model.Text_Cv[0];
    auto* sample = new QLineEdit(m_client);
    sample->setObjectName(QStringLiteral("Text_Cv(0)"));
    sample->setAccessibleName(QStringLiteral("Образец на шрифта"));
    sample->setReadOnly(true);
    sample->setAlignment(Qt::AlignCenter);
    m_controls.bind(sampleControl, *sample, roles::box,
                    [sample, &sampleControl] { sample->setText(sampleControl.text()); });
}

void CwiatWindow::buildMenu() {
    QAction* save = menuBar()->addAction(QStringLiteral("Запис"));
    save->setObjectName(QStringLiteral("mnu_zapis"));
    connect(save, &QAction::triggered, this, [this] {
        if (!m_model) return;
        m_model->mnu_zapis_Click();
        m_refresh();
    });
    QAction* cancelAction = menuBar()->addAction(QStringLiteral("Отказ"));
    cancelAction->setObjectName(QStringLiteral("mnu_Otkaz"));
    connect(cancelAction, &QAction::triggered, this, &CwiatWindow::cancel);
    addMenuBarKey(*this);
}

void CwiatWindow::cancel() {
    if (!m_model || m_model->isClosed()) return;
    m_model->mnu_Otkaz_Click();
    m_refresh();
}

void CwiatWindow::sync() {
    if (!m_model) return;
    const Cwiat& model = *m_model;
    if (m_shownRevision != model.revision()) {
        m_shownRevision = model.revision();
        showWindowFrame(model, *this, *m_client, menuBar());
    }
    m_controls.sync();

    if (model.isVisible() && !isVisible()) {
        show();
        raise();
        activateWindow();
    } else if (!model.isVisible() && isVisible()) {
        hide();
    }
    if (m_shownRaises != model.raiseCount()) {
        m_shownRaises = model.raiseCount();
        raise();
        activateWindow();
    }
}

void CwiatWindow::detach() {
    m_controls.detach();
    m_model = nullptr;
}

void CwiatWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    cancel();
}

// Escape reaches the window from any control that has no use for it.
void CwiatWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
