// The session a trader left: where the window stood, the direction, basis and
// notation, the details switched on and the saved calculation last picked,
// all taken up again at the next start.
#include "frmOndara.h"

#include "ChartView.h"
#include "PictureButton.h"
#include "WatchListModel.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>

using ondara::ChartLabel;
using ondara::WaveState;

namespace {

// The detail and retracement switches, each with the toggle that shows it.
struct Switch {
    const char *key;
    bool WaveState::*flag;
    ChartLabel toggle;
};
constexpr Switch switches[] = {
    {"showWave3Up", &WaveState::bShowWav3Up, ChartLabel::lblTgtWav3Up},
    {"showWave3Down", &WaveState::bShowWav3Dn, ChartLabel::lblTgtWav3Dn},
    {"showWave5Up", &WaveState::bShowWav5Up, ChartLabel::lblTgtWav5Up},
    {"showWave5Down", &WaveState::bShowWav5Dn, ChartLabel::lblTgtWav5Dn},
    {"showRetracementsUp", &WaveState::bShowRetUp, ChartLabel::picBearRetrace},
    {"showRetracementsDown", &WaveState::bShowRetDn, ChartLabel::picBullRetrace},
};

QSettings sessionSettings()
{
    return QSettings(QStringLiteral("Ondara"), QStringLiteral("Ondara"));
}

// A value of the right kind, or nothing: a file edited by hand or damaged
// gives the defaults, never a half-read session.
template<typename T>
std::optional<T> read(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (!value.isValid() || !value.canConvert<T>())
        return std::nullopt;
    if constexpr (std::is_same_v<T, bool>) {
        const QString text = value.toString();
        if (text != QLatin1String("true") && text != QLatin1String("false"))
            return std::nullopt;
    }
    if constexpr (std::is_same_v<T, qlonglong>) {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        return ok ? std::optional<T>(number) : std::nullopt;
    }
    return value.value<T>();
}

} // namespace

void frmOndara::restorePosition()
{
    QSettings settings = sessionSettings();
    if (settings.status() != QSettings::NoError)
        return;
    const auto position = read<QPoint>(settings, QStringLiteral("calculator/position"));
    // Only where a screen still is, so the window is never out of reach.
    if (position && QGuiApplication::screenAt(*position + QPoint(20, 20)))
        move(*position);
}

void frmOndara::restoreSession()
{
    QSettings settings = sessionSettings();
    if (settings.status() != QSettings::NoError)
        return;
    settings.beginGroup(QStringLiteral("calculator"));
    if (read<bool>(settings, QStringLiteral("wave3Basis")).value_or(false)) {
        m_state.bUseWave1 = false;
        optUse3->setChecked(true);
        showBasis();
    }
    for (const Switch &item : switches) {
        m_state.*item.flag = read<bool>(settings, QString::fromLatin1(item.key)).value_or(false);
        Picture1->setToggleChecked(item.toggle, m_state.*item.flag);
    }
    const QString direction = settings.value(QStringLiteral("direction")).toString();
    if (direction == QLatin1String("bull") || direction == QLatin1String("bear"))
        cmdMarket_Click(direction == QLatin1String("bull") ? 0 : 1);
    if (read<bool>(settings, QStringLiteral("fractions")).value_or(false) && !m_state.bShowFractions)
        cmdDecFrac_Click();
    // The last pick is recalled as the user would pick it, prices and precision included.
    const auto picked = read<qlonglong>(settings, QStringLiteral("lastPicked"));
    if (picked && *picked > 0 && m_marketChosen) {
        const int index = m_watchList->fetchUntil(*picked);
        if (index >= 0) {
            cboSymbols->setCurrentIndex(index);
            cboSymbols_Click();
        }
    }
}

void frmOndara::saveSession() const
{
    QSettings settings = sessionSettings();
    settings.beginGroup(QStringLiteral("calculator"));
    settings.setValue(QStringLiteral("position"), pos());
    settings.setValue(QStringLiteral("direction"),
                      !m_marketChosen ? QString() : m_state.bBullMarket ? QStringLiteral("bull") : QStringLiteral("bear"));
    settings.setValue(QStringLiteral("wave3Basis"), !m_state.bUseWave1);
    settings.setValue(QStringLiteral("fractions"), m_state.bShowFractions);
    for (const Switch &item : switches)
        settings.setValue(QString::fromLatin1(item.key), m_state.*item.flag);
    settings.setValue(QStringLiteral("lastPicked"), m_pickedId.value_or(0));
}
