#pragma once

#include <QAccessibleWidget>

class PictureBoxWidget;

// A picture box as a screen reader sees it: a graphic that can be pressed,
// as a click or Enter presses it.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBoxWidget* box);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes Qt's accessibility use this class for every picture box.
    static void install();
};
