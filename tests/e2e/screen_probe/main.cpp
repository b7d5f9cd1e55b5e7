// screen_probe: answers the end-to-end tests' questions about a screenshot.
//   screen_probe size SHOT                     width and height
//   screen_probe colour SHOT X Y               the colour of one pixel, #rrggbb
//   screen_probe rows SHOT                     row by row, "y #rrggbb" for a row in one colour
//                                              and "y mixed" for the others
//   screen_probe box SHOT X Y W H KIND         where the pixels of a KIND lie in the region, as
//                                              "x y w h", or "none"; KIND is dark, #rrggbb or
//                                              not:#rrggbb
//   screen_probe text SHOT X Y W H TEXT [font=FAMILY] [points=N] [bold] [colour=#rrggbb]
//                    [background=#rrggbb]      succeeds when the region shows exactly TEXT, drawn
//                                              in the toolkit's default font unless told, on the
//                                              region's commonest colour unless told (a shaded
//                                              button's face has none)
//   screen_probe text SHOT X Y W H TEXT drawn=PICTURE
//                                              the same, with TEXT as the program's own platform
//                                              drew it in PICTURE
//   screen_probe picture SHOT X Y PICTURE      succeeds when PICTURE is shown with its top-left
//                                              corner at X, Y
//   screen_probe contrast SHOT X Y W H         the contrast ratio of the text in the region
//                                              with its ground, as "ratio #ground #ink" (WCAG
//                                              2.x; see probe::text_contrast)
// Text is drawn through the platform the program under test runs on: run the probe on its display.
#include <QApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "picture_match.h"
#include "pixels.h"
#include "text_match.h"

namespace {

int usage() {
    std::fputs(
        "usage: screen_probe size|colour|rows|box|text|picture|contrast SHOT ... (see the "
        "source)\n",
        stderr);
    return 2;
}

void say(const QString& text, FILE* stream = stdout) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

QString box_text(const QRect& box) {
    if (box.isEmpty()) return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3 %4")
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

QRect region_of(const QStringList& args, int first) {
    return {args[first].toInt(), args[first + 1].toInt(), args[first + 2].toInt(),
            args[first + 3].toInt()};
}

int text_command(const QImage& shot, const QStringList& args) {
    QFont font = QApplication::font();
    QRgb colour = qRgb(0, 0, 0);
    std::optional<QRgb> background;
    QImage drawn;
    for (const QString& option : args.mid(8)) {
        if (option.startsWith(QLatin1String("drawn=")))
            drawn.load(option.mid(6));
        else if (option.startsWith(QLatin1String("font=")))
            font.setFamily(option.mid(5));
        else if (option.startsWith(QLatin1String("points=")))
            font.setPointSize(option.mid(7).toInt());
        else if (option == QLatin1String("bold"))
            font.setBold(true);
        else if (option.startsWith(QLatin1String("colour=")))
            colour = QColor(option.mid(7)).rgb();
        else if (option.startsWith(QLatin1String("background=")))
            background = QColor(option.mid(11)).rgb();
        else
            return usage();
    }
    const QString& text = args[7];
    const QRect region = region_of(args, 3);
    const auto match = args.size() == 9 && args[8].startsWith(QLatin1String("drawn="))
                           ? probe::match_drawn_text(shot, region, drawn)
                           : probe::match_text(shot, region, text, font, colour, background);
    if (match.matches) return 0;
    say(QStringLiteral("the region does not show \"%1\": ink found %2, text drawn %3x%4, %5")
            .arg(text, box_text(match.shown))
            .arg(match.drawn.width())
            .arg(match.drawn.height())
            .arg(match.differences < 0
                     ? QStringLiteral("sizes differ")
                     : QStringLiteral("%1 pixels differ at best").arg(match.differences)),
        stderr);
    return 1;
}

QString row_text(const QImage& shot, int y) {
    const QRgb first = shot.pixel(0, y);
    for (int x = 1; x < shot.width(); ++x)
        if (shot.pixel(x, y) != first) return QStringLiteral("%1 mixed").arg(y);
    return QStringLiteral("%1 %2").arg(y).arg(QColor(first).name());
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 3) return usage();
    // Only text needs the toolkit's fonts, and so the display.
    std::optional<QApplication> application;
    if (args[1] == QLatin1String("text")) application.emplace(argc, argv);
    const QString& command = args[1];
    const QImage shot(args[2]);
    if (shot.isNull()) {
        say(QStringLiteral("cannot read the screenshot %1").arg(args[2]), stderr);
        return 2;
    }

    if (command == QLatin1String("size") && args.size() == 3) {
        say(QStringLiteral("%1 %2").arg(shot.width()).arg(shot.height()));
        return 0;
    }
    if (command == QLatin1String("colour") && args.size() == 5) {
        say(QColor(shot.pixel(args[3].toInt(), args[4].toInt())).name());
        return 0;
    }
    if (command == QLatin1String("rows") && args.size() == 3) {
        for (int y = 0; y < shot.height(); ++y) say(row_text(shot, y));
        return 0;
    }
    if (command == QLatin1String("box") && args.size() == 8) {
        const auto test = probe::pixel_test_named(args[7]);
        if (!test) return usage();
        say(box_text(probe::bounding_box(shot, region_of(args, 3), *test)));
        return 0;
    }
    if (command == QLatin1String("text") && args.size() >= 8) return text_command(shot, args);
    if (command == QLatin1String("contrast") && args.size() == 7) {
        // More pixels than a caret has, fewer than the strokes of the shortest text shown.
        const auto contrast = probe::text_contrast(shot, region_of(args, 3), 20);
        say(QStringLiteral("%1 %2 %3")
                .arg(contrast.ratio, 0, 'f', 3)
                .arg(QColor(contrast.ground).name(), QColor(contrast.ink).name()));
        return 0;
    }
    if (command == QLatin1String("picture") && args.size() == 6) {
        const QImage picture(args[5]);
        if (picture.isNull()) return usage();
        const int count =
            probe::picture_differences(shot, QPoint(args[3].toInt(), args[4].toInt()), picture);
        if (count == 0) return 0;
        say(QStringLiteral("%1 is not shown at %2,%3: %4 pixels differ")
                .arg(args[5], args[3], args[4])
                .arg(count),
            stderr);
        return 1;
    }
    return usage();
}
