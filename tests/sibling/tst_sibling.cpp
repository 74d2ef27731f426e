// SPDX-License-Identifier: MIT
// The sibling libraries: the user, colormap and histogram models, and the painting and model helpers.

#include <vantor_common_models/Colormap.h>
#include <vantor_common_models/ColormapModel.h>
#include <vantor_common_models/HistogramModel.h>
#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>
#include <vantor_common_models/UserHelpers.h>
#include <vantor_common_utils/Helpers.h>

#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

using namespace Nalu::Models;
using Nalu::Helpers;

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

// WCAG 2 contrast ratio written out independently of the library.
double referenceContrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &color) {
        auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isFilled(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) != 0;
}

// A single chain `depth` levels deep whose indexes carry their level, so it costs no memory.
class ChainModel : public QAbstractItemModel
{
public:
    static constexpr quintptr depth = 100000;

    QModelIndex index(int row, int column, const QModelIndex &parent) const override
    {
        const quintptr level = parent.internalId() + 1; // the root's id is 0
        return row == 0 && column == 0 && level <= depth ? createIndex(0, 0, level) : QModelIndex();
    }
    QModelIndex parent(const QModelIndex &child) const override
    {
        return child.internalId() > 1 ? createIndex(0, 0, child.internalId() - 1) : QModelIndex();
    }
    int rowCount(const QModelIndex &parent) const override { return parent.internalId() < depth ? 1 : 0; }
    int columnCount(const QModelIndex &) const override { return 1; }
    QVariant data(const QModelIndex &, int) const override { return QVariant(); }
};

} // namespace

class tst_Sibling : public QObject
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
        lastName ? user.setLastName(renamed) : user.setFirstName(renamed);

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
        QTest::addColumn<QVector<QColor>>("classes"); // spread evenly and discrete when given
        QTest::addColumn<ColorStops>("expected");
        const QColor red(Qt::red), green(Qt::green), blue(Qt::blue), black(Qt::black);
        QTest::newRow("ends missing") << ColorStops {{0.25, red}, {0.75, blue}} << QVector<QColor>()
                                      << ColorStops {{0.0, red}, {0.25, red}, {0.75, blue}, {1.0, blue}};
        QTest::newRow("out of range clamped")
            << ColorStops {{-1.0, red}, {0.5, green}, {2.0, blue}} << QVector<QColor>()
            << ColorStops {{0.0, red}, {0.5, green}, {1.0, blue}};
        QTest::newRow("invalid colour dropped") << ColorStops {{0.0, red}, {0.5, QColor()}, {1.0, blue}}
                                                << QVector<QColor>() << ColorStops {{0.0, red}, {1.0, blue}};
        QTest::newRow("single colour") << ColorStops {{0.5, red}} << QVector<QColor>() << ColorStops {{0.0, red}};
        QTest::newRow("classes, invalid dropped")
            << ColorStops() << QVector<QColor> {red, QColor(), green, blue, black}
            << ColorStops {{0.0, red}, {1.0 / 3.0, green}, {2.0 / 3.0, blue}, {1.0, black}};
    }
    void colormapClampsFillsAndDropsStops()
    {
        QFETCH(ColorStops, input);
        QFETCH(QVector<QColor>, classes);
        const Colormap colormap = classes.isEmpty() ? Colormap(QStringLiteral("Test"), input)
                                                    : Colormap(QStringLiteral("Classes"), classes);
        QCOMPARE(colormap.isDiscrete(), !classes.isEmpty());
        QTEST(colormap.getColorValues(), "expected");
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
    void roundedRectSquaresOnlyTheFlaggedCorners_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("squareCorners"); // the corners drawn square, as corner flags
        QTest::newRow("none square (16)") << 16 << 10 << 0;
        QTest::newRow("top-left (1)") << 1 << 10 << 1;
        QTest::newRow("top-right (2)") << 2 << 10 << 2;
        QTest::newRow("bottom-right (4)") << 4 << 10 << 4;
        QTest::newRow("bottom-left (8)") << 8 << 10 << 8;
        QTest::newRow("corner bit wins over 16 (17)") << 17 << 10 << 1;
        QTest::newRow("zero radius is a plain rect") << 16 << 0 << 15;
        QTest::newRow("oversize radius is clamped") << 16 << std::numeric_limits<int>::max() << 0;
    }
    void roundedRectSquaresOnlyTheFlaggedCorners()
    {
        QFETCH(int, flags);
        QFETCH(int, radius);
        QFETCH(int, squareCorners);
        QImage image(40, 40, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        Helpers::drawRoundedRectShape(QRectF(0, 0, 40, 40), radius, Helpers::StraightCornerFlags(flags), &painter);
        Helpers::drawRoundedRectShape(QRectF(0, 0, 40, 40), radius, Helpers::NoStraightCorner, nullptr);
        painter.end();
        // A square corner fills the pixel next to it; the flags go clockwise from the top-left corner.
        const QPoint corners[] = {{1, 1}, {38, 1}, {38, 38}, {1, 38}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(isFilled(image, corners[i].x(), corners[i].y()), (squareCorners & (1 << i)) != 0);
        }
        QCOMPARE(QColor(image.pixel(20, 20)), QColor(Qt::red));
    }

    void readableForegroundHasTheBetterContrast()
    {
        // HSV colours are converted first; an invalid one counts as black.
        QCOMPARE(Helpers::getReadableForegroundColor(QColor::fromHsv(60, 255, 255)), QColor(Qt::black));
        QCOMPARE(Helpers::getReadableForegroundColor(QColor::fromHsv(240, 255, 139)), QColor(Qt::white));
        QCOMPARE(Helpers::getReadableForegroundColor(QColor()), QColor(Qt::black));
        const QColor black(Qt::black), white(Qt::white);
        for (int hue = 0; hue < 360; hue += 15) {
            for (int saturation : {0, 100, 255}) {
                for (int value = 0; value <= 255; value += 5) {
                    const QColor background(QColor::fromHsv(hue, saturation, value).rgb());
                    const QByteArray where = background.name().toLatin1();
                    QVERIFY2(qAbs(Helpers::contrastRatio(background, white) - referenceContrast(background, white))
                                 < 1e-9,
                             where.constData());
                    const QColor chosen = Helpers::getReadableForegroundColor(background);
                    QVERIFY2(chosen == black || chosen == white, where.constData());
                    const QColor other = chosen == black ? white : black;
                    QVERIFY2(referenceContrast(background, chosen) >= referenceContrast(background, other),
                             where.constData());
                }
            }
        }
    }

    void inputStatusIndicatorFillsTheTopRightHalf()
    {
        QImage image(40, 40, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 3));
        painter.setBrush(Qt::blue);
        const QRect rect(10, 10, 20, 20);
        Helpers::drawInputStatusIndicator(rect, 0, Qt::red, &painter);
        Helpers::drawInputStatusIndicator(rect, 0, Qt::green, nullptr);
        QCOMPARE(painter.brush().color(), QColor(Qt::blue)); // caller's state restored
        painter.end();
        QCOMPARE(QColor(image.pixel(27, 12)), QColor(Qt::red)); // near the top-right corner
        QVERIFY(!isFilled(image, 12, 27)); // bottom-left half stays empty
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QByteArray where = QByteArray::number(x) + ',' + QByteArray::number(y);
                QVERIFY2(!isFilled(image, x, y) || (rect.contains(x, y) && QColor(image.pixel(x, y)) == Qt::red),
                         where.constData());
            }
        }
    }

    void modelMaxDepthFindsTheDeepestBranch_data()
    {
        // Item i is appended under item parents[i], or at top level for -1.
        QTest::addColumn<QVector<int>>("parents");
        QTest::addColumn<int>("depth");
        QTest::newRow("empty") << QVector<int>() << 1;
        QTest::newRow("shallower branch after the deepest") << QVector<int> {-1, 0, 1, -1, 3} << 3;
        QTest::newRow("deepest top-level branch last") << QVector<int> {-1, 0, -1, 2, 3, 4} << 4;
        QTest::newRow("deepest under a later child") << QVector<int> {-1, 0, 1, 0, 3, 4, 5, -1} << 5;
    }
    void modelMaxDepthFindsTheDeepestBranch()
    {
        QFETCH(QVector<int>, parents);
        QFETCH(int, depth);
        QStandardItemModel model;
        QVector<QStandardItem *> items;
        for (int parent : parents) {
            items.append(new QStandardItem(QStringLiteral("item")));
            (parent < 0 ? model.invisibleRootItem() : items.at(parent))->appendRow(items.last());
        }
        QCOMPARE(Helpers::getModelMaxDepth(&model), depth);
    }

    void modelMaxDepthSkipsNullModelAndOtherColumns()
    {
        QCOMPARE(Helpers::getModelMaxDepth(nullptr), 0);
        // Views show children under column 0 only; a chain under column 1 must not count.
        QStandardItemModel model(1, 2);
        auto *hidden = new QStandardItem(QStringLiteral("hidden"));
        hidden->appendRow(new QStandardItem(QStringLiteral("deeper")));
        model.setItem(0, 1, hidden);
        QCOMPARE(Helpers::getModelMaxDepth(&model), 1);
    }

    void modelMaxDepthSurvivesAVeryDeepChain()
    {
        // A small stack: any recursion over 100 000 levels overflows it.
        ChainModel model;
        int result = -1;
        std::unique_ptr<QThread> thread(QThread::create([&]() { result = Helpers::getModelMaxDepth(&model); }));
        thread->setStackSize(1024 * 1024);
        thread->start();
        QVERIFY(thread->wait(60000));
        QCOMPARE(result, int(ChainModel::depth));
    }
};

QTEST_MAIN(tst_Sibling)
#include "tst_sibling.moc"
