#include "ui/controlset.h"

#include "ui/itemlistview.h"
#include "ui/units.h"

#include <QApplication>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QWidget>

void ControlSet::bind(const Control& control, QWidget& widget, ColourRoles roles,
                      std::function<void()> content) {
    m_bindings.push_back({&control, &widget, roles, std::move(content), 0});
}

void ControlSet::bindList(const ListBox& control, ItemListView& view) {
    bind(control, view, roles::box);
    m_lists.push_back(&view);
}

void ControlSet::sync() {
    for (Binding& binding : m_bindings) {
        if (binding.shown == binding.control->revision()) continue;
        show(binding);
        binding.shown = binding.control->revision();
    }
    for (ItemListView* view : m_lists)
        view->showSelection();
}

void ControlSet::detach() {
    for (ItemListView* view : m_lists)
        view->detach();
    m_lists.clear();
    m_bindings.clear();
}

void ControlSet::show(const Binding& binding) {
    const Control& control = *binding.control;
    QWidget& widget = *binding.widget;
    const QSignalBlocker blocker(&widget);

    widget.setGeometry(toPixels(control.rect()));
    widget.setToolTip(control.toolTip());
    // A screen reader reads the tool-tip as the control's description.
    widget.setAccessibleDescription(control.toolTip());
    widget.setEnabled(control.isEnabled());
    widget.setFont(toQFont(control.font()));

    // Both roles are always set, so that a control without colours of its
    // own shows the style's default instead of taking its window's. Disabled
    // text stays the style's grey.
    const QPalette defaults = QApplication::palette(&widget);
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const auto background = control.background();
        palette.setColor(group, binding.roles.background,
                         background ? toQColor(*background)
                                    : defaults.color(group, binding.roles.background));
        const auto foreground = group == QPalette::Disabled ? std::nullopt : control.foreground();
        palette.setColor(group, binding.roles.foreground,
                         foreground ? toQColor(*foreground)
                                    : defaults.color(group, binding.roles.foreground));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(binding.roles.fillBackground);

    if (binding.content) binding.content();
    widget.setVisible(control.isVisible());
}

void showWindowFrame(const WindowModel& model, QWidget& window, QWidget& client,
                     const QMenuBar* menuBar) {
    window.setWindowTitle(model.caption());
    QPalette palette = QApplication::palette(&client);
    if (const auto background = model.background())
        palette.setColor(QPalette::Window, toQColor(*background));
    client.setPalette(palette);
    client.setAutoFillBackground(true);

    const int width = toPixels(model.clientWidth());
    const int height = toPixels(model.clientHeight());
    client.setFixedSize(width, height);
    int menuHeight = 0;
    if (menuBar) {
        menuHeight = menuBar->heightForWidth(width);
        if (menuHeight <= 0) menuHeight = menuBar->sizeHint().height();
    }
    window.setFixedSize(width, height + menuHeight);
}
