// A bare Qt Widgets program: one empty 644 x 439 window, shown.
// Built a second time with BARE_WITH_TEXT, the window shows one short label: what any
// window with text pays, since it must load the system's fonts.
// Built a third time with BARE_WITH_FONTS, it shows one label in each of the eight fonts
// the main window's first page is drawn in (DejaVu Sans standing in for Verdana where
// that is not installed, as in the program): the start-up's floor, the least a program
// with the program's look can do.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "FirstFrame.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(644, 439);
#ifdef BARE_WITH_TEXT
    QLabel label(QStringLiteral("Квалитет 0"), &window);
    label.move(8, 8);
#endif
#ifdef BARE_WITH_FONTS
    struct Font {
        int pixelSize;
        bool bold;
        bool semiCondensed;
        const char* text;
    };
    const Font fonts[] = {
        {11, false, false, "Поля допусков"}, {11, true, false, "Квалитет"},
        {11, true, true, "ВСЕ (сортировка по квалитету)"}, {24, false, false, "5,03"},
        {16, true, false, "+0,03"}, {37, true, false, "="}, {37, false, false, "R="}, {13, true, false, "О программе"},
    };
    int y = 8;
    for (const Font& each : fonts) {
        auto* label = new QLabel(QString::fromUtf8(each.text), &window);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(each.pixelSize);
        font.setBold(each.bold);
        if (each.semiCondensed)
            font.setStretch(QFont::SemiCondensed);
        label->setFont(font);
        label->move(8, y);
        y += each.pixelSize + 8;
    }
#endif
    FirstFrameProbe probe(&window);
    window.show();
    return app.exec();
}
