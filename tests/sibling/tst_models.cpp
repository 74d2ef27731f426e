// SPDX-License-Identifier: MIT

#include <vantor_common_models/Colormap.h>
#include <vantor_common_models/ColormapModel.h>
#include <vantor_common_models/HistogramModel.h>
#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>
#include <vantor_common_models/UserHelpers.h>

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Nalu::Models;

using ColorStops = QMap<double, QColor>;
using UserChange = QPair<const UserInterface *, const UserInterface *>;

namespace {

QVector<UserChange> userChanges(const QSignalSpy &spy)
{
    QVector<UserChange> changes;
    for (const QList<QVariant> &arguments : spy) {
        changes.append(
            qMakePair(arguments.at(0).value<const UserInterface *>(), arguments.at(1).value<const UserInterface *>()));
    }
    return changes;
}

} // namespace

class TestModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void currentUserChangesAnnounceOldAndNewAndDeathsAreForgotten()
    {
        auto ada = std::make_unique<User>(QStringLiteral("Ada"), QStringLiteral("Lovelace"));
        auto blaise = std::make_unique<User>(QStringLiteral("Blaise"), QStringLiteral("Pascal"));
        const User *a = ada.get(), *b = blaise.get();
        UserConnectorModel model;
        QSignalSpy spy(&model, &UserConnectorModel::currentUserChanged);
        QCOMPARE(model.getCurrentUser(), nullptr);
        model.setCurrentUser(ada.get());
        model.setCurrentUser(blaise.get());
        model.setCurrentUser(blaise.get()); // the same user again: no signal
        model.setCurrentUser(nullptr);
        model.setCurrentUser(ada.get());
        model.setCurrentUser(blaise.get());
        ada.reset(); // no longer current: ignored
        QCOMPARE(model.getCurrentUser(), b);
        blaise.reset();
        QCOMPARE(model.getCurrentUser(), nullptr);
        QCOMPARE(userChanges(spy),
                 (QVector<UserChange> {{nullptr, a}, {a, b}, {b, nullptr}, {nullptr, a}, {a, b}, {nullptr, nullptr}}));
    }

    void renamesNotifyOnlyOnChange_data()
    {
        QTest::addColumn<bool>("lastName");
        QTest::addColumn<QString>("renamed");
        QTest::addColumn<QString>("fullName");
        QTest::newRow("first name changed") << false << QStringLiteral("Grace") << QStringLiteral("Grace Lovelace");
        QTest::newRow("first name unchanged") << false << QStringLiteral("Ada") << QStringLiteral("Ada Lovelace");
        QTest::newRow("first name emptied") << false << QString() << QStringLiteral("Lovelace");
        QTest::newRow("last name changed") << true << QStringLiteral("Byron") << QStringLiteral("Ada Byron");
        QTest::newRow("last name unchanged") << true << QStringLiteral("Lovelace") << QStringLiteral("Ada Lovelace");
        QTest::newRow("last name emptied") << true << QString() << QStringLiteral("Ada");
    }
    void renamesNotifyOnlyOnChange()
    {
        QFETCH(bool, lastName);
        QFETCH(QString, renamed);
        User user(QStringLiteral("Ada"), QStringLiteral("Lovelace"));
        const QString initial = lastName ? user.getLastName() : user.getFirstName();
        QSignalSpy changedSpy(&user, lastName ? &User::lastNameChanged : &User::firstNameChanged);
        QSignalSpy fullNameSpy(&user, &User::fullNameChanged);
        if (lastName) {
            user.setLastName(renamed);
        } else {
            user.setFirstName(renamed);
        }

        QTEST(user.getFullName(), "fullName");
        QCOMPARE(changedSpy, renamed == initial ? QList<QVariantList>() : QList<QVariantList>({{initial, renamed}}));
        QCOMPARE(fullNameSpy.count(), changedSpy.count());
    }

    void defaultAvatarIsSharedAndOpaque()
    {
        const QIcon &avatar = UserHelpers::getDefaultAvatar();
        QVERIFY(!avatar.isNull());
        const QImage image = avatar.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
        User user(QStringLiteral("Ada"), QStringLiteral("Lovelace"));
        QCOMPARE(user.getAvatar().cacheKey(), avatar.cacheKey());
    }

    void colormapSelectionNotifiesOnlyOnChange()
    {
        ColormapModel model;
        QCOMPARE(model.getCurrentColormap(), nullptr);
        QSignalSpy spy(&model, &ColormapModel::currentColormapChanged);
        const ColormapInterface *viridis = Colormaps::viridisLike();
        model.setCurrentColormap(viridis);
        model.setCurrentColormap(viridis); // unchanged: no signal
        QCOMPARE(model.getCurrentColormap(), viridis);
        model.setCurrentColormap(nullptr);
        QCOMPARE(model.getCurrentColormap(), nullptr);
        model.setCurrentColormap(nullptr);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<const ColormapInterface *>(), viridis);
        QCOMPARE(spy.at(1).at(0).value<const ColormapInterface *>(), nullptr);
    }

    void readyMadeColormapsSpanZeroToOne()
    {
        const QVector<const ColormapInterface *> all = Colormaps::all();
        QCOMPARE(all.size(), 3);
        for (const ColormapInterface *colormap : all) {
            const QByteArray name = colormap->getName().toUtf8();
            const QList<double> keys = colormap->getColorValues().keys();
            QVERIFY2(keys.size() >= 2, name.constData());
            QVERIFY2(keys.first() == 0.0 && keys.last() == 1.0, name.constData());
            for (int i = 1; i < keys.size(); ++i) {
                QVERIFY2(keys.at(i - 1) < keys.at(i), name.constData());
            }
        }
        QVERIFY(!Colormaps::viridisLike()->isDiscrete());
        QVERIFY(!Colormaps::grayscale()->isDiscrete());
        QVERIFY(Colormaps::categorical10()->isDiscrete());
    }

    void colormapClampsFillsAndDropsStops_data()
    {
        QTest::addColumn<ColorStops>("input");
        QTest::addColumn<ColorStops>("expected");
        const QColor red(Qt::red), green(Qt::green), blue(Qt::blue);
        QTest::newRow("ends missing") << ColorStops {{0.25, red}, {0.75, blue}}
                                      << ColorStops {{0.0, red}, {0.25, red}, {0.75, blue}, {1.0, blue}};
        QTest::newRow("out of range clamped") << ColorStops {{-1.0, red}, {0.5, green}, {2.0, blue}}
                                              << ColorStops {{0.0, red}, {0.5, green}, {1.0, blue}};
        QTest::newRow("invalid colour dropped")
            << ColorStops {{0.0, red}, {0.5, QColor()}, {1.0, blue}} << ColorStops {{0.0, red}, {1.0, blue}};
        QTest::newRow("single colour") << ColorStops {{0.5, red}} << ColorStops {{0.0, red}};
    }
    void colormapClampsFillsAndDropsStops()
    {
        QFETCH(ColorStops, input);
        const Colormap colormap(QStringLiteral("Test"), input);
        QVERIFY(!colormap.isDiscrete());
        QTEST(colormap.getColorValues(), "expected");
    }

    void discreteColormapSpreadsValidColours()
    {
        const QColor red(Qt::red), blue(Qt::blue);
        const Colormap colormap(QStringLiteral("Classes"), QVector<QColor> {red, QColor(), Qt::green, blue, Qt::black});
        QVERIFY(colormap.isDiscrete());
        QCOMPARE(
            colormap.getColorValues(),
            (ColorStops {{0.0, red}, {1.0 / 3.0, QColor(Qt::green)}, {2.0 / 3.0, blue}, {1.0, QColor(Qt::black)}}));
    }

    void histogramClampsNegativeCountsAndNotifiesOnChange()
    {
        HistogramModel model;
        QSignalSpy spy(&model, &HistogramModel::binsChanged);
        model.setBins({3, 0, 7, 2});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(model.getBins(), (QVector<int> {3, 0, 7, 2}));
        QCOMPARE(model.getMaxCount(), 7);
        model.setBins({3, 0, 7, 2});
        QCOMPARE(spy.count(), 1);

        // Negative counts are stored as 0, so the second call changes nothing.
        model.setBins({-4, 5});
        QCOMPARE(model.getBins(), (QVector<int> {0, 5}));
        model.setBins({0, 5});
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(TestModels)
#include "tst_models.moc"
