// The control as the analyser meets it: a plugin found in the program folder's
// plugins/ by its identifier, created through its factory and reached only
// through the dispatch table and Qt's meta-objects. Nothing of the control's
// implementation is linked here.

#include "datepicker/LundarDispatch.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

class TestLundarPlugin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dispatchTableResolvesEveryMember_data();
    void dispatchTableResolvesEveryMember();
    void hostBindsLateByDispatchId();
    void unknownDispatchIdBindsNothing();
    void emptyFolderYieldsNoFactory();

private:
    lundar::LundarFactory* m_factory = nullptr;
};

void TestLundarPlugin::initTestCase()
{
    QString error;
    m_factory = lundar::findLundarFactory(QStringLiteral(LUNDAR_PLUGIN_DIR), &error);
    QVERIFY2(m_factory, qPrintable(error));
}

void TestLundarPlugin::dispatchTableResolvesEveryMember_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isProperty");
    for (const lundar::DispatchMember& m : lundar::kDispatchTable) {
        const QString name = QString::fromLatin1(m.name.data(), qsizetype(m.name.size()));
        QTest::newRow(qPrintable(QStringLiteral("%1 (0x%2)").arg(name).arg(m.id, 8, 16, QLatin1Char('0'))))
            << name << (m.kind == lundar::MemberKind::Property);
    }
    QTest::newRow("Click event") << QString::fromLatin1(lundar::kClickSignal.data()) << false;
}

void TestLundarPlugin::dispatchTableResolvesEveryMember()
{
    QFETCH(QString, name);
    QFETCH(bool, isProperty);
    std::unique_ptr<QWidget> control(m_factory->create(nullptr));
    const QMetaObject* meta = control->metaObject();
    QCOMPARE(QString::fromLatin1(meta->className()), QStringLiteral("lundar::Lundar1"));
    if (isProperty) {
        const QMetaProperty p = meta->property(meta->indexOfProperty(name.toLatin1().constData()));
        QVERIFY(p.isValid());
        QVERIFY(p.isReadable());
        QVERIFY(p.isWritable());
        QVERIFY(p.hasNotifySignal());
    } else if (name == QLatin1String("Click")) {
        const int index = meta->indexOfSignal("Click()");
        QVERIFY(index >= 0);
    } else {
        const int index = meta->indexOfMethod(qPrintable(name + QStringLiteral("(QDateTime)")));
        QVERIFY(index >= 0);
        QCOMPARE(meta->method(index).returnMetaType(), QMetaType::fromType<QString>());
    }
}

void TestLundarPlugin::hostBindsLateByDispatchId()
{
    QWidget window;
    QPointer<QWidget> control = m_factory->create(&window);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &window);
    QCOMPARE(control->size(), QSize(290, 235));

    const QDateTime workDate(QDate(2013, 2, 20), QTime(0, 0));
    QVERIFY(lundar::setProperty(control, lundar::kDispValue, workDate));
    QCOMPARE(lundar::getProperty(control, lundar::kDispValue).toDateTime().date(), workDate.date());

    bool ok = false;
    QCOMPARE(lundar::callQuery(control, lundar::kDispGetChineseYear, workDate, &ok), QStringLiteral("癸巳年"));
    QVERIFY(ok);
    QCOMPARE(lundar::callQuery(control, lundar::kDispGetChineseMonth, workDate, &ok), QStringLiteral("一月"));
    QCOMPARE(lundar::callQuery(control, lundar::kDispGetChineseDay, workDate, &ok), QStringLiteral("十一"));

    // the Click event connects by name
    QSignalSpy clicks(control, "2Click()");
    QVERIFY(clicks.isValid());
}

void TestLundarPlugin::unknownDispatchIdBindsNothing()
{
    std::unique_ptr<QWidget> control(m_factory->create(nullptr));
    bool ok = true;
    QCOMPARE(lundar::callQuery(control.get(), 0x60030099, QDateTime::currentDateTime(), &ok), QString());
    QVERIFY(!ok);
    // a property id is not a method
    lundar::callQuery(control.get(), lundar::kDispValue, QDateTime::currentDateTime(), &ok);
    QVERIFY(!ok);
    QVERIFY(!lundar::getProperty(control.get(), 0x12345678).isValid());
    QVERIFY(!lundar::setProperty(control.get(), 0x12345678, 1));
}

void TestLundarPlugin::emptyFolderYieldsNoFactory()
{
    QString error;
    QVERIFY(!lundar::findLundarFactory(QStringLiteral(LUNDAR_TEST_DIR), &error));
    QVERIFY(error.contains(QStringLiteral("Lundar.Lundar1")));
}

QTEST_MAIN(TestLundarPlugin)
#include "test_lundar_plugin.moc"
