#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QtTest>

#include "IQStartup.h"
#include "documents/QHEICMovie.h"
#include "documents/QStdMovie.h"

// What the program sets between its application object and its window.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void preparesTheApplication()
    {
        QCOMPARE(QMetaType::type("QHEICMovie*"), int(QMetaType::UnknownType));
        QCOMPARE(QMetaType::type("QStdMovie*"), int(QMetaType::UnknownType));
        const QString name = QCoreApplication::applicationName();
        QLocale::setDefault(QLocale(QLocale::German));

        IQStartup::prepareApplication();

        QCOMPARE(QApplication::font().family(), QStringLiteral("Arial"));
        QCOMPARE(QApplication::font().pixelSize(), 13);
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Brivane WebP"));
        QCOMPARE(QApplication::style()->objectName().toLower(), QStringLiteral("fusion"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "IDS_FILE"), QStringLiteral("Datei"));
        // Name, organisation and domain stay Qt's.
        QCOMPARE(QCoreApplication::applicationName(), name);
        QCOMPARE(QCoreApplication::organizationName(), QString());
        QCOMPARE(QCoreApplication::organizationDomain(), QString());

        // The sources travel as pointers, never as copies.
        for (const char *type : {"QHEICMovie*", "QStdMovie*"}) {
            const int id = QMetaType::type(type);
            QVERIFY2(id != QMetaType::UnknownType, type);
            QCOMPARE(QMetaType::typeName(id), type);
            QCOMPARE(QMetaType::sizeOf(id), int(sizeof(void *)));
        }
        QStdMovie movie;
        QStdMovie *pointer = &movie;
        const QVariant carried(QMetaType::type("QStdMovie*"), &pointer);
        QCOMPARE(*static_cast<QStdMovie *const *>(carried.constData()), &movie);
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
