// The baseline for the footprint measurement: a window with the same kinds and
// number of widgets as the program's main window and no behaviour at all, so
// that what the program costs beyond it is what its own code costs.
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QStringListModel>

namespace {

// Positions are given in twips, as the program's window is laid out.
QRect twips(int left, int top, int width, int height) {
    constexpr int perPixel = 15;
    return {left / perPixel, top / perPixel, width / perPixel, height / perPixel};
}

QStringList phrases(const QString& prefix) {
    QStringList texts;
    for (int i = 1; i <= 25; ++i)
        texts << prefix.arg(i);
    return texts;
}

template <typename W> W* place(QWidget* parent, const QRect& where) {
    auto* widget = new W(parent); // owned by its parent
    widget->setGeometry(where);
    return widget;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 12));

    // The models outlive the window that shows them.
    QStringListModel left(phrases(QStringLiteral("Left phrase %1")));
    QStringListModel right(phrases(QStringLiteral("Right phrase %1")));
    QStringListModel answers;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare_window"));
    window.setFixedSize(twips(0, 0, 11130, 7005).size());
    window.menuBar()->addAction(QStringLiteral("Exit"));
    window.menuBar()->addAction(QStringLiteral("Color"));

    auto* area = new QWidget; // owned by the window
    window.setCentralWidget(area);

    place<QListView>(area, twips(240, 480, 6105, 2055))->setModel(&left);
    place<QListView>(area, twips(6360, 480, 3375, 2055))->setModel(&right);
    place<QListView>(area, twips(840, 2640, 9375, 1485))->setModel(&answers);

    place<QPushButton>(area, twips(1200, 4200, 1215, 375))->setText(QStringLiteral("1"));
    place<QPushButton>(area, twips(4680, 4200, 1215, 375))->setText(QStringLiteral("2"));
    place<QPushButton>(area, twips(8400, 4200, 1215, 375))->setText(QStringLiteral("3"));
    place<QPushButton>(area, twips(9720, 50, 1215, 375))->setText(QStringLiteral("4"));
    place<QLabel>(area, twips(4440, 0, 1455, 375))->setText(QStringLiteral("label"));

    place<QPlainTextEdit>(area, twips(1800, 4680, 9135, 2055))->setReadOnly(true);
    auto* hiddenText = place<QPlainTextEdit>(area, twips(10440, 3120, 495, 495));
    hiddenText->setReadOnly(true);
    hiddenText->hide();

    place<QLabel>(area, twips(120, 4680, 1575, 1335));
    place<QLabel>(area, twips(120, 5760, 1575, 1335))->hide();

    window.show();
    return QApplication::exec();
}
