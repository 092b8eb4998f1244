// "Brantel Online" opens the user manual: from the build tree the copy in its
// share folder, from an installed layout the one in share/doc/ombrelo.

#include "window/homepage.h"
#include "window/tests/windowfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QUrl>

using designer::test::WindowFixture;

class HomePageTest : public QObject {
    Q_OBJECT
private slots:
    void theLinkOpensTheManualOfTheBuildTree();
    void anInstalledProgramFindsTheInstalledManual();
};

void HomePageTest::theLinkOpensTheManualOfTheBuildTree() {
    WindowFixture f(true);
    f.start();
    QWidget* link = f.child<QWidget>("URLLink1");
    QVERIFY(link);
    const QUrl url(link->property("URL").toString());
    QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
    QFile manual(url.toLocalFile());
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(url.toLocalFile()));
    QVERIFY(manual.readAll().contains("<title>Ombrelo user manual</title>"));
}

void HomePageTest::anInstalledProgramFindsTheInstalledManual() {
    QCOMPARE(designer::homePageAddress(QStringLiteral("/opt/ombrelo/bin")),
             QStringLiteral("file:///opt/ombrelo/share/doc/ombrelo/manual.html"));
    // A folder name that needs escaping in a URL stays one path.
    QCOMPARE(QUrl(designer::homePageAddress(QStringLiteral("/home/a b/bin"))).toLocalFile(),
             QStringLiteral("/home/a b/share/doc/ombrelo/manual.html"));
}

QTEST_MAIN(HomePageTest)
#include "homepage_test.moc"
