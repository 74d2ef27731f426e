#include <ComponentsLibrary/CardWidgetBase.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/RoundedPixmap.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(QMargins)

using namespace Nalu::Components;

namespace {

QList<QWidget *> parts(const CardWidgetBase &frame)
{
    QList<QWidget *> result;
    for (int i = 0; i < frame.layout()->count(); ++i) {
        result << frame.layout()->itemAt(i)->widget();
    }
    return result;
}

} // namespace

class tst_CardWidgetBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsAndOrder()
    {
        CardWidgetBase frame(QStringLiteral("t"), QStringLiteral("s"), nullptr);
        auto *header = frame.findChild<CardWidgetBaseHeader *>();
        const QList<QWidget *> initial = parts(frame);
        QCOMPARE(initial.size(), 3);
        QCOMPARE(initial.at(0), header);
        QWidget *contents = initial.at(1);
        QWidget *footer = initial.at(2);
        QCOMPARE(frame.shape(), CardWidgetBase::Box);
        QVERIFY(frame.isHeaderVisible() && !frame.isFooterVisible() && frame.hasUpperCaseTitle());
        QVERIFY(contents->isHidden() && footer->isHidden());
        QCOMPARE(contents->property("CardWidgetBase_Contents"), QVariant(true));
        QCOMPARE(footer->property("CardWidgetBase_Footer"), QVariant(true));
        QCOMPARE(header->property("CardWidgetBase_Header"), QVariant(true));
        QCOMPARE(contents->property("footerVisible"), QVariant(false));
        QCOMPARE(frame.sizeHint(), QSize(header->sizeHint().width(), 0));

        QSignalSpy inverted(&frame, &CardWidgetBase::invertedAppearanceChanged);
        QSignalSpy title(&frame, &CardWidgetBase::titleChanged);
        frame.setInvertedAppearance(true);
        frame.setInvertedAppearance(true);
        QCOMPARE(inverted.count(), 1);
        QCOMPARE(parts(frame), QList<QWidget *>({footer, contents, header}));
        for (QWidget *part : initial) {
            QCOMPARE(part->property("invertedAppearance"), QVariant(true));
        }
        // Changes made on the header directly reach the frame.
        header->setInvertedAppearance(false);
        header->setTitle(QStringLiteral("direct"));
        QCOMPARE(inverted.count(), 2);
        QCOMPARE(parts(frame), initial);
        QCOMPARE(title.count(), 1);
        QCOMPARE(frame.title(), QStringLiteral("direct"));

        QSignalSpy shape(&frame, &CardWidgetBase::shapeChanged);
        frame.setShape(CardWidgetBase::NoFrame);
        frame.setShape(CardWidgetBase::NoFrame);
        QCOMPARE(shape.count(), 1);
        for (QWidget *part : initial) {
            QCOMPARE(part->property("shape"), QVariant(0));
        }
        QVERIFY(frame.setProperty("shape", QVariant::fromValue(CardWidgetBase::Box)));
        QCOMPARE(frame.property("shape").value<CardWidgetBase::Shape>(), CardWidgetBase::Box);
    }

    void marginsAndCorners_data()
    {
        QTest::addColumn<bool>("headerVisible");
        QTest::addColumn<bool>("footer");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<int>("flags");
        QTest::newRow("header") << true << false << false << QMargins(1, 0, 1, 1) << 3;
        QTest::newRow("none") << false << false << false << QMargins(1, 1, 1, 1) << 16;
        QTest::newRow("both") << true << true << true << QMargins(1, 1, 1, 0) << 15;
        QTest::newRow("header inverted") << true << false << true << QMargins(1, 1, 1, 0) << 12;
        QTest::newRow("footer") << false << true << false << QMargins(1, 1, 1, 1) << 12;
        QTest::newRow("footer inverted") << false << true << true << QMargins(1, 1, 1, 1) << 3;
    }

    void marginsAndCorners()
    {
        QFETCH(bool, headerVisible);
        QFETCH(bool, footer);
        QFETCH(bool, inverted);
        QFETCH(QMargins, margins);
        QFETCH(int, flags);
        CardWidgetBase frame(nullptr);
        QPixmap pixmap(10, 10);
        frame.setContentsImage(pixmap);
        auto *image = qobject_cast<RoundedPixmap *>(frame.getContentsWidget());
        QVERIFY(image);
        frame.setHeaderVisible(headerVisible);
        frame.setInvertedAppearance(inverted);
        QLabel *label = footer ? new QLabel(QStringLiteral("footer")) : nullptr;
        frame.setFooterWidget(label);
        frame.setContentsImage(pixmap);
        QCOMPARE(frame.getContentsWidget(), image);
        QCOMPARE(image->parentWidget()->layout()->contentsMargins(), margins);
        QCOMPARE(int(image->getStraightCornerFlags()), flags);
        QCOMPARE(image->parentWidget()->property("headerVisible"), QVariant(headerVisible));
    }

    void contentsAndFooter()
    {
        CardWidgetBase frame(QStringLiteral("Title"), nullptr);
        QSignalSpy footerSpy(&frame, &CardWidgetBase::footerVisibleChanged);
        QLabel contents(QStringLiteral("contents"));
        QLabel footer(QStringLiteral("footer"));
        frame.setContentsWidget(&contents);
        frame.setFooterWidget(&footer);
        QCOMPARE(footerSpy.count(), 1);
        QCOMPARE(frame.getFooterWidget(), &footer);
        frame.show();
        QCOMPARE(frame.sizeHint().height(),
                 frame.findChild<CardWidgetBaseHeader *>()->sizeHint().height()
                     + contents.parentWidget()->sizeHint().height() + footer.parentWidget()->sizeHint().height());
        QWidget *footerContainer = footer.parentWidget();
        frame.setFooterWidget(nullptr);
        QVERIFY(footerContainer->isHidden());
        QCOMPARE(footer.parentWidget(), nullptr);
        QCOMPARE(footerSpy.count(), 2);

        // An image replaced by a plain widget stays stored and comes back with the next image.
        frame.setContentsImage(QPixmap(4, 4));
        QCOMPARE(contents.parentWidget(), nullptr);
        QPointer<RoundedPixmap> image = qobject_cast<RoundedPixmap *>(frame.getContentsWidget());
        frame.setContentsWidget(&contents);
        QCOMPARE(image->parentWidget(), nullptr);
        frame.setContentsImage(QPixmap(8, 8));
        QCOMPARE(frame.getContentsWidget(), image.data());
        QCOMPARE(image->getPixmap()->size(), QSize(8, 8));
        // Another rounded pixmap replaces it for good.
        RoundedPixmap second;
        frame.setContentsWidget(&second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(image.isNull());
        frame.setContentsWidget(nullptr);
        QVERIFY(frame.getContentsWidget() == nullptr);
        QCOMPARE(second.parentWidget(), nullptr);
    }

    void designerForm()
    {
        CardWidgetBase frame(nullptr);
        QPointer<QWidget> oldContainer = parts(frame).at(1);
        // The order a designer form creates things in.
        auto *container = new QWidget(&frame);
        container->setObjectName(QStringLiteral("contentsContainer"));
        auto *contents = new QLabel(QStringLiteral("designed"), container);
        contents->setObjectName(QStringLiteral("contentsWidget"));
        QVERIFY(container->layout() && container->layout()->indexOf(contents) == 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(oldContainer.isNull());
        QCOMPARE(parts(frame).at(1), container);
        QCOMPARE(container->property("CardWidgetBase_Contents"), QVariant(true));
        QCOMPARE(frame.getContentsWidget(), contents);
        QVERIFY(!container->isHidden());
        // A designed contents widget is never handed out.
        QLabel other;
        frame.setContentsWidget(&other);
        QCOMPARE(contents->parentWidget(), container);
        QCOMPARE(frame.getContentsWidget(), contents);
        frame.setContentsWidget(nullptr);
    }
};

QTEST_MAIN(tst_CardWidgetBase)
#include "tst_cardwidgetbase.moc"
