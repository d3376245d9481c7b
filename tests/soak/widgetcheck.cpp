#include "widgetcheck.h"

#include "appearance/cwiat.h"
#include "pictures/ziven_graphika.h"
#include "testrun/ziven.h"
#include "ui/cwiatwindow.h"
#include "ui/itemlistview.h"
#include "ui/pictureboxwidget.h"
#include "ui/picturewindow.h"
#include "ui/zivenwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include <cmath>
#include <set>

namespace soak {

namespace {

using Failure = std::optional<std::string>;

std::string str(const QString& text) {
    return '"' + (text.size() <= 40 ? text : text.left(20) + QStringLiteral("…")).toStdString() +
           '"';
}

QString indexed(const char* name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect pixels(const Rect& r) {
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

QColor qcolour(Colour colour) {
    const Rgb rgb = splitColour(colour);
    return {rgb.red, rgb.green, rgb.blue};
}

// Text boxes keep CR LF; a widget breaks lines its own way.
QString lineBreaksNormalised(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

struct Roles {
    QPalette::ColorRole background;
    QPalette::ColorRole foreground;
};
constexpr Roles ButtonRoles{QPalette::Button, QPalette::ButtonText};
constexpr Roles BoxRoles{QPalette::Base, QPalette::Text};
constexpr Roles FilledRoles{QPalette::Window, QPalette::WindowText};

template <typename W> const W* find(const QWidget& window, const QString& name) {
    return window.findChild<const W*>(name);
}

// The properties every control has.
Failure checkControl(const Control& model, const QWidget* widget, const QString& name,
                     Roles roles) {
    const std::string n = name.toStdString();
    if (!widget) return "no widget " + n;
    const QWidget& w = *widget;
    if (w.isVisibleTo(w.window()) != model.isVisible())
        return n + " is " + (model.isVisible() ? "hidden" : "shown") + "; its model says " +
               (model.isVisible() ? "shown" : "hidden");
    if (w.isEnabled() != model.isEnabled())
        return n + " is " + (w.isEnabled() ? "enabled" : "disabled") + "; its model says " +
               (model.isEnabled() ? "enabled" : "disabled");
    if (w.geometry() != pixels(model.rect())) return n + " is not where its model puts it";
    if (w.toolTip() != model.toolTip())
        return n + " has tool-tip " + str(w.toolTip()) + "; expected " + str(model.toolTip());
    if (w.font().family() != model.font().name ||
        (model.font().size > 0 && w.font().pointSizeF() != model.font().size))
        return n + " shows font " + str(w.font().family()) + " " +
               std::to_string(w.font().pointSizeF()) + "; expected " + str(model.font().name) +
               " " + std::to_string(model.font().size);
    const QPalette& palette = w.palette();
    if (const auto bg = model.background();
        bg && palette.color(QPalette::Active, roles.background) != qcolour(*bg))
        return n + " background is " + palette.color(roles.background).name().toStdString() +
               "; expected " + qcolour(*bg).name().toStdString();
    if (const auto fg = model.foreground();
        fg && palette.color(QPalette::Active, roles.foreground) != qcolour(*fg))
        return n + " text colour is " + palette.color(roles.foreground).name().toStdString() +
               "; expected " + qcolour(*fg).name().toStdString();
    return std::nullopt;
}

// The rows come from the list as they are drawn, so a view that missed a
// row going or coming shows it only in its layout: a blank row at the end,
// or rows that cannot be scrolled to. Scrolled to the end, the last row
// must sit at the bottom.
Failure checkScrollRange(ItemListView& view, int count, const std::string& n) {
    if (count == 0) {
        if (view.verticalScrollBar()->maximum() != 0)
            return n + " is empty but scrolls to " +
                   std::to_string(view.verticalScrollBar()->maximum());
        return std::nullopt;
    }
    const QModelIndex last = view.model()->index(count - 1, 0);
    view.visualRect(last); // lays out what is pending
    QScrollBar& bar = *view.verticalScrollBar();
    const int was = bar.value();
    bar.setValue(bar.maximum());
    const QRect rect = view.visualRect(last);
    const int below = view.viewport()->height() - (rect.bottom() + 1);
    bar.setValue(was);
    if (below < 0)
        return n + " cannot be scrolled far enough to show its last row " +
               std::to_string(count - 1);
    if (bar.maximum() > 0 && below >= rect.height())
        return n + " shows " + std::to_string(below / rect.height()) +
               " blank rows below its last row " + std::to_string(count - 1) +
               " when scrolled to the end";
    return std::nullopt;
}

// Short lists row by row; long ones at the ends, the selection and a spread.
Failure checkList(const ListBox& model, const QWidget& window, const QString& name) {
    // Checking the layout scrolls the view and back.
    auto* view = window.findChild<ItemListView*>(name);
    if (auto f = checkControl(model, view, name, BoxRoles)) return f;
    const std::string n = name.toStdString();
    const ItemList& list = model.list();
    const int count = list.count();
    const QAbstractItemModel& rows = *view->model();
    if (rows.rowCount() != count)
        return n + " shows " + std::to_string(rows.rowCount()) + " rows; its list has " +
               std::to_string(count);
    std::set<int> sample;
    if (count <= 64) {
        for (int r = 0; r < count; ++r)
            sample.insert(r);
    } else {
        for (int k = 0; k <= 8; ++k)
            sample.insert((count - 1) * k / 8);
        if (list.selected() >= 0) sample.insert(list.selected());
    }
    for (const int r : sample) {
        const QString shown = rows.index(r, 0).data(Qt::DisplayRole).toString();
        if (shown != list.item(r))
            return n + " row " + std::to_string(r) + " reads " + str(shown) + "; its list has " +
                   str(list.item(r));
    }
    if (auto f = checkScrollRange(*view, count, n)) return f;
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    const int shownRow = selected.isEmpty() ? -1 : selected.first().row();
    if (selected.size() > 1 || shownRow != list.selected())
        return n + " shows row " + std::to_string(shownRow) + " selected (" +
               std::to_string(selected.size()) + " in all); its list has " +
               std::to_string(list.selected());
    return std::nullopt;
}

Failure checkCaption(const Control& model, const QWidget& window, const QString& name,
                     Roles roles) {
    const auto* label = find<QLabel>(window, name);
    if (auto f = checkControl(model, label, name, roles)) return f;
    if (label->text() != model.caption())
        return name.toStdString() + " reads " + str(label->text()) + "; expected " +
               str(model.caption());
    return std::nullopt;
}

Failure checkPicture(const PictureBox& model, const QWidget& window, const QString& name) {
    const auto* box = find<PictureBoxWidget>(window, name);
    if (auto f = checkControl(model, box, name, FilledRoles)) return f;
    if (box->picture() != model.picture())
        return name.toStdString() + " does not show its model's picture";
    return std::nullopt;
}

Failure checkFrame(const WindowModel& model, const QWidget& window, const QWidget& client,
                   const std::string& name) {
    if (window.windowTitle() != model.caption())
        return name + " title is " + str(window.windowTitle()) + "; expected " +
               str(model.caption());
    if (client.size() != QSize(pixels(model.clientWidth()), pixels(model.clientHeight())))
        return name + " client area is " + std::to_string(client.width()) + "x" +
               std::to_string(client.height()) + "; its model is " +
               std::to_string(pixels(model.clientWidth())) + "x" +
               std::to_string(pixels(model.clientHeight()));
    if (const auto bg = model.background();
        bg && client.palette().color(QPalette::Window) != qcolour(*bg))
        return name + " background is " +
               client.palette().color(QPalette::Window).name().toStdString() + "; expected " +
               qcolour(*bg).name().toStdString();
    return std::nullopt;
}

Failure checkMain(const ZivenWindow& view, const Ziven& model) {
    const QWidget& w = view;
    if (auto f = checkFrame(model, view, *view.clientArea(), "the main window")) return f;
    for (std::size_t i = 0; i < model.Slowo.size(); ++i) {
        if (auto f = checkList(model.Slowo[i], w, indexed("Slowo", i))) return f;
    }
    for (std::size_t i = 0; i < model.Uprawl.size(); ++i) {
        const QString name = indexed("Uprawl", i);
        const auto* button = find<QAbstractButton>(w, name);
        if (auto f = checkControl(model.Uprawl[i], button, name, ButtonRoles)) return f;
        if (button->text() != model.Uprawl[i].caption())
            return name.toStdString() + " reads " + str(button->text()) + "; expected " +
                   str(model.Uprawl[i].caption());
    }
    if (auto f = checkCaption(model.Ndapis, w, QStringLiteral("Ndapis"), FilledRoles)) return f;

    const auto* explanation = find<QPlainTextEdit>(w, QStringLiteral("Prowerka(0)"));
    if (auto f =
            checkControl(model.Prowerka[0], explanation, QStringLiteral("Prowerka(0)"), BoxRoles))
        return f;
    if (lineBreaksNormalised(explanation->toPlainText()) !=
        lineBreaksNormalised(model.Prowerka[0].text()))
        return "Prowerka(0) reads " + str(explanation->toPlainText()) + "; expected " +
               str(model.Prowerka[0].text());
    const auto* verdict = find<QLineEdit>(w, QStringLiteral("Prowerka(1)"));
    if (auto f = checkControl(model.Prowerka[1], verdict, QStringLiteral("Prowerka(1)"), BoxRoles))
        return f;
    if (verdict->text() != model.Prowerka[1].text())
        return "the verdict box reads " + str(verdict->text()) + "; expected " +
               str(model.Prowerka[1].text());

    for (std::size_t i = 0; i < model.Grafika.size(); ++i) {
        if (auto f = checkPicture(model.Grafika[i], w, indexed("Grafika", i))) return f;
    }
    return std::nullopt;
}

Failure checkAppearance(const ZivenWindow& view, const Ziven& model) {
    const Cwiat* c = model.appearanceWindow();
    const CwiatWindow* window = view.appearanceWindow();
    if ((window != nullptr) != (c != nullptr))
        return std::string("the appearance window is ") + (window ? "open" : "closed") +
               "; its model is " + (c ? "open" : "closed");
    if (!c) return std::nullopt;
    if (window->isVisible() != c->isVisible())
        return std::string("the appearance window is ") + (window->isVisible() ? "" : "not ") +
               "shown";
    if (auto f = checkFrame(*c, *window, *window->centralWidget(), "the appearance window"))
        return f;
    const QWidget& w = *window;
    if (auto f = checkPicture(c->picColor, w, QStringLiteral("picColor"))) return f;
    for (std::size_t i = 0; i < c->Label_Cv.size(); ++i) {
        if (auto f = checkCaption(c->Label_Cv[i], w, indexed("Label_Cv", i), FilledRoles)) return f;
    }
    for (std::size_t i = 0; i < c->Label_ST.size(); ++i) {
        if (auto f = checkCaption(c->Label_ST[i], w, indexed("Label_ST", i), FilledRoles)) return f;
    }
    for (std::size_t i = 0; i < c->Slider1.size(); ++i) {
        const QString name = indexed("Slider1", i);
        const auto* slider = find<QSlider>(w, name);
        if (auto f = checkControl(c->Slider1[i], slider, name, FilledRoles)) return f;
        if (slider->value() != c->Slider1[i].value() ||
            slider->minimum() != c->Slider1[i].minimum() ||
            slider->maximum() != c->Slider1[i].maximum())
            return name.toStdString() + " is at " + std::to_string(slider->value()) +
                   "; its model is at " + std::to_string(c->Slider1[i].value());
    }
    for (std::size_t i = 0; i < c->Option1.size(); ++i) {
        const QString name = indexed("Option1", i);
        const auto* option = find<QRadioButton>(w, name);
        if (auto f = checkControl(c->Option1[i], option, name, FilledRoles)) return f;
        if (option->isChecked() != c->Option1[i].isChecked())
            return name.toStdString() + " is " + (option->isChecked() ? "" : "not ") +
                   "checked; its model is " + (c->Option1[i].isChecked() ? "" : "not ") + "checked";
    }
    for (std::size_t i = 0; i < c->List_font.size(); ++i) {
        if (auto f = checkList(c->List_font[i], w, indexed("List_font", i))) return f;
    }
    const auto* sample = find<QLineEdit>(w, QStringLiteral("Text_Cv(0)"));
    if (auto f = checkControl(c->Text_Cv[0], sample, QStringLiteral("Text_Cv(0)"), BoxRoles))
        return f;
    if (sample->text() != c->Text_Cv[0].text())
        return "Text_Cv(0) reads " + str(sample->text()) + "; expected " +
               str(c->Text_Cv[0].text());
    return std::nullopt;
}

Failure checkPictureWindow(const ZivenWindow& view, const Ziven& model) {
    const Ziven_Graphika* g = model.pictures().window();
    const PictureWindow* window = view.pictureWindow();
    const bool shown = window && window->isVisible();
    const bool wanted = g && g->isVisible();
    if (shown != wanted)
        return std::string("the picture window is ") + (shown ? "shown" : "not shown") +
               "; its model says " + (wanted ? "shown" : "hidden");
    if (!shown) return std::nullopt;
    // No frame of its own: the client area fills the window.
    const auto* client = window->findChild<const QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (!client) return "the picture window has no client area";
    if (window->size() != client->size()) return "the picture window is not its client's size";
    if (auto f = checkFrame(*g, *window, *client, "the picture window")) return f;
    return checkPicture(g->Graphika[0], *window, QStringLiteral("Graphika(0)"));
}

} // namespace

std::optional<std::string> checkWidgets(const ZivenWindow& view, const Ziven& model) {
    if (auto f = checkMain(view, model)) return f;
    if (auto f = checkAppearance(view, model)) return f;
    return checkPictureWindow(view, model);
}

} // namespace soak
