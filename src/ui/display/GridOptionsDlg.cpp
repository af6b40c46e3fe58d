#include "ui/display/GridOptionsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/display/ArcGridModel.h"
#include "core/framework/AppMessageBox.h"
#include "core/framework/Translate.h"
#include "ui/framework/QtText.h"

CGridOptionsDlg::CGridOptionsDlg(int options, QWidget* parent) : QDialog(parent), m_nOptions(options) {
    setObjectName("gridOptionsDialog");
    setWindowTitle(Tr("Satellite Grid Options"));
    auto* bands = new QGroupBox(Tr("Bands"), this);
    m_ku = new QCheckBox(Tr("&Ku"), bands);
    m_c = new QCheckBox(Tr("&C"), bands);
    m_dbs = new QCheckBox(Tr("&DBS"), bands);
    m_ku->setObjectName("ku");
    m_c->setObjectName("c");
    m_dbs->setObjectName("dbs");
    auto* bandLayout = new QVBoxLayout(bands);
    for (QCheckBox* box : {m_ku, m_c, m_dbs})
        bandLayout->addWidget(box);

    auto* order = new QGroupBox(Tr("Sort Satellites"), this);
    m_bySlot = new QRadioButton(Tr("By &Orbital Slot"), order);
    m_byName = new QRadioButton(Tr("&Alphabetically"), order);
    m_bySlot->setObjectName("bySlot");
    m_byName->setObjectName("byName");
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(m_bySlot);
    orderLayout->addWidget(m_byName);

    auto* azimuth = new QGroupBox(Tr("Azimuth"), this);
    m_magnetic = new QRadioButton(Tr("&Magnetic"), azimuth);
    m_true = new QRadioButton(Tr("&True"), azimuth);
    m_magnetic->setObjectName("magnetic");
    m_true->setObjectName("true");
    auto* azimuthLayout = new QVBoxLayout(azimuth);
    azimuthLayout->addWidget(m_magnetic);
    azimuthLayout->addWidget(m_true);

    m_showSlot = new QCheckBox(Tr("Display &Slot Value With Satellite Name"), this);
    m_showSlot->setObjectName("showSlot");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGridOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGridOptionsDlg::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(bands);
    groups->addWidget(order);
    groups->addWidget(azimuth);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(m_showSlot);
    layout->addWidget(buttons);

    m_ku->setChecked(options & GRID_KU);
    m_c->setChecked(options & GRID_C);
    m_dbs->setChecked(options & GRID_DBS);
    m_showSlot->setChecked(options & GRID_SHOW_SLOT);
    (options & GRID_SORT_BY_SLOT ? m_bySlot : m_byName)->setChecked(true);
    (options & GRID_MAGNETIC ? m_magnetic : m_true)->setChecked(true);
}

void CGridOptionsDlg::accept() {
    if (!m_ku->isChecked() && !m_c->isChecked() && !m_dbs->isChecked()) {
        AppMessageBox(CoreTr("At least one band must be selected."));
        return;
    }
    m_nOptions = (m_ku->isChecked() ? GRID_KU : 0) | (m_c->isChecked() ? GRID_C : 0) |
                 (m_dbs->isChecked() ? GRID_DBS : 0) | (m_magnetic->isChecked() ? GRID_MAGNETIC : 0) |
                 (m_bySlot->isChecked() ? GRID_SORT_BY_SLOT : 0) |
                 (m_showSlot->isChecked() ? GRID_SHOW_SLOT : 0);
    QDialog::accept();
}
