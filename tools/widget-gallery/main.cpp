#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

#include "gallery_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orvane indicator widget gallery"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the gallery and quit."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);

    orvane::gallery::GalleryWindow window;
    window.show();
    if (!parser.isSet(screenshot))
        return app.exec();

    window.prepareForScreenshot();
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    const QString file = parser.value(screenshot);
    if (!picture.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s: %dx%d pixels (device pixel ratio %.1f)\n", qPrintable(file), picture.width(),
                picture.height(), picture.devicePixelRatio());
    return 0;
}
