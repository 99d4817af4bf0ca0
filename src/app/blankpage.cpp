#include "app/blankpage.h"

#include "app/logo.h"
#include "output/textfile.h"

#include <QFile>

namespace menuloom::app {

QString blankPageHtml() {
    const QString site = QString::fromLatin1(kMakerSite);
    return QStringLiteral("<html><body style=\"background-color:#FFFFFF;margin:0;height:100vh;"
                          "display:flex;align-items:center;justify-content:center\">"
                          "<a href=\"%1\" target=\"_blank\"><img src=\"%2\" border=\"0\" "
                          "alt=\"%1\" width=\"360\" height=\"112\"></a></body></html>")
        .arg(site, QString::fromLatin1(kLogoFileName));
}

QString writeBlankPage(const QString& tempFolder) {
    const QString page = tempFolder + QString::fromLatin1(kBlankPageName);
    const QByteArray html = blankPageHtml().toUtf8() + "\r\n";
    output::writeFileAtomically(QFile::encodeName(page).toStdString(),
                                std::string_view(html.constData(), html.size()));
    // Drawn at twice the size so that it stays sharp on high-density screens.
    productPicture(2.0).save(tempFolder + QString::fromLatin1(kLogoFileName), "PNG");
    return page;
}

} // namespace menuloom::app
