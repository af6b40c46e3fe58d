// The details dialog's "Aiming" section: the installer's sheet
// (core/aim/AimSheet.h) for the dialog's site and satellite, the dish's
// offset angle (saved in the settings file as it is changed) and
// "Print Aiming Sheet...".
#pragma once

#include <QGroupBox>
#include <memory>
#include <string>
#include <vector>

#include "core/aim/AimSheet.h"
#include "core/reports/AimPage.h"

class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;
class CLocation;
class CSatellite;

// The key of the line after "shadow time" that gives its times on this
// computer's clock.
inline constexpr const char* kAimLocalShadowKey = "shadow time (local)";

class CAimingSection : public QGroupBox {
    Q_OBJECT
public:
    explicit CAimingSection(QWidget* parent = nullptr);
    ~CAimingSection() override;

    // Shows the sheet for `site` and `satellite` (both copied) today; with
    // `magnetic` and a variation the site can give, the magnetic azimuth too.
    void SetSite(const CLocation& site, const CSatellite& satellite, bool magnetic);

    // The lines shown, in order.
    const std::vector<AimLine>& Lines() const { return m_lines; }
    // The value shown for a key, empty when the line is not shown.
    QString ValueText(const std::string& key) const;
    // The printed page's contents (its measures are the printer's).
    AimPageInput PageInput() const;

    QDoubleSpinBox* OffsetBox() const { return m_offset; }
    QPushButton* PrintButton() const { return m_btnPrint; }

private:
    void OnOffsetChanged(double offset);
    void OnPrint();
    void Fill();

    QDoubleSpinBox* m_offset;
    QPushButton* m_btnPrint;
    QGridLayout* m_grid;
    std::vector<QLabel*> m_shown;
    std::vector<AimLine> m_lines;

    std::unique_ptr<CLocation> m_site;
    std::string m_satelliteName;
    std::string m_slotText;
    double m_satLongitude = 0.0;
    bool m_magnetic = false;
    AimDate m_date;
};
