// orvane-skin-preview --out DIR: writes one PNG per skin (the sample panel under it), the four
// product pictures at 1x and 2x, and the application icon, for a person to look at. Runs
// offscreen when no display is set.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <memory>

#include "storage/skin_names.h"
#include "ui/desktop/app_icon.h"
#include "ui/picture/product_drawing.h"
#include "ui/preview/sample_panel.h"
#include "ui/skins/skin_switcher.h"

using namespace orvane;

namespace {

QString fileName(int index, QString name) {
    return QStringLiteral("skin-%1-%2.png")
        .arg(index, 2, 10, QLatin1Char('0'))
        .arg(name.replace(QLatin1Char(' '), QLatin1Char('-')));
}

bool save(const QImage& image, const QDir& dir, const QString& name) {
    if (image.save(dir.filePath(name)))
        return true;
    QTextStream(stderr) << "cannot write " << dir.filePath(name) << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::SkinSwitcher skins;

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the skins and product pictures."));
    parser.addHelpOption();
    QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the PNG files."),
                           QStringLiteral("DIR"), QStringLiteral("skin-preview"));
    parser.addOption(out);
    parser.process(app);

    QDir dir(parser.value(out));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }

    bool ok = true;
    std::unique_ptr<QWidget> panel(ui::preview::BuildSamplePanel());
    panel->resize(900, 560);
    panel->show();
    // All skins side by side at half size, to compare them at a glance.
    const QSize cell = panel->size() / 2;
    QImage overview(cell.width() * 4, (cell.height() + 18) * 4, QImage::Format_RGB32);
    overview.fill(Qt::white);
    QPainter sheet(&overview);
    int index = 0;
    for (std::string_view skin : storage::SkinNames) {
        const QString name = QString::fromUtf8(skin.data(), static_cast<qsizetype>(skin.size()));
        if (!skins.apply(name)) {
            QTextStream(stderr) << ui::StyleNotFoundMessage(name) << "\n";
            ok = false;
        }
        QApplication::processEvents();
        const QImage shot = panel->grab().toImage();
        ok &= save(shot, dir, fileName(index, name));
        const QPoint at((index % 4) * cell.width(), (index / 4) * (cell.height() + 18));
        sheet.setPen(Qt::black);
        sheet.drawText(QRect(at, QSize(cell.width(), 18)), Qt::AlignCenter, name);
        sheet.drawImage(QRect(at + QPoint(0, 18), cell), shot);
        ++index;
    }
    sheet.end();
    ok &= save(overview, dir, QStringLiteral("skins-overview.png"));

    const ui::ProductModel models[] = {ui::ProductModel::Orvane, ui::ProductModel::Kelvora,
                                       ui::ProductModel::Mirdal, ui::ProductModel::Tessop};
    for (ui::ProductModel model : models) {
        const QString base = QStringLiteral("picture-") + ui::ProductName(model).toLower();
        ok &= save(ui::RenderProduct(model, QSize(340, 240)), dir, base + QStringLiteral(".png"));
        ok &= save(ui::RenderProduct(model, QSize(340, 240), 2.0), dir,
                   base + QStringLiteral("@2x.png"));
    }
    for (int pixels : {16, 48, 256})
        ok &= save(ui::RenderAppIcon(pixels), dir, QStringLiteral("icon-%1.png").arg(pixels));
    return ok ? 0 : 1;
}
