// The Designer plugin as Qt Designer meets it: a module loaded by path, asked
// for its custom widget, whose form snippet must agree with the class and
// header it names (Designer and uic trust the snippet), and whose widget must
// be the real control with its properties open to the property editor.

#include "datepicker/Lundar1.h"
#include "datepicker/LundarDispatch.h"

#include <QDomDocument>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

class TestLundarDesigner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void snippetAgreesWithClassAndHeader();
    void createsTheControlWithEditableProperties();

private:
    QDesignerCustomWidgetInterface* m_widget = nullptr;
};

void TestLundarDesigner::initTestCase()
{
    QPluginLoader loader(QStringLiteral(LUNDAR_DESIGNER_PLUGIN));
    QObject* root = loader.instance();
    QVERIFY2(root, qPrintable(loader.errorString()));
    m_widget = qobject_cast<QDesignerCustomWidgetInterface*>(root);
    QVERIFY(m_widget);
    m_widget->initialize(nullptr);
    QVERIFY(m_widget->isInitialized());
}

void TestLundarDesigner::snippetAgreesWithClassAndHeader()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(m_widget->domXml()));
    const QDomElement ui = doc.documentElement();
    QCOMPARE(ui.attribute(QStringLiteral("displayname")), QStringLiteral("Lundar1"));
    const QDomElement widget = ui.firstChildElement(QStringLiteral("widget"));
    QCOMPARE(widget.attribute(QStringLiteral("class")), m_widget->name());
    const QDomElement custom =
        ui.firstChildElement(QStringLiteral("customwidgets")).firstChildElement(QStringLiteral("customwidget"));
    QCOMPARE(custom.firstChildElement(QStringLiteral("class")).text(), m_widget->name());
    QCOMPARE(custom.firstChildElement(QStringLiteral("header")).text(), m_widget->includeFile());
    // the header is the installed one, reached as <lundar/...>
    QCOMPARE(m_widget->includeFile(), QStringLiteral("lundar/Lundar1.h"));
    QVERIFY(!m_widget->icon().isNull());
    QVERIFY(!m_widget->isContainer());
}

void TestLundarDesigner::createsTheControlWithEditableProperties()
{
    QWidget form;
    QWidget* created = m_widget->createWidget(&form);
    auto* control = qobject_cast<lundar::Lundar1*>(created);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &form);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), m_widget->name());
    const QMetaObject* meta = control->metaObject();
    for (const lundar::DispatchMember& m : lundar::kDispatchTable) {
        if (m.kind != lundar::MemberKind::Property)
            continue;
        const QMetaProperty p = meta->property(meta->indexOfProperty(std::string(m.name).c_str()));
        QVERIFY2(p.isValid() && p.isDesignable() && p.isWritable(), m.name.data());
    }
}

QTEST_MAIN(TestLundarDesigner)
#include "test_lundar_designer.moc"
