#include "ui/horizon/HorizonDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>

#include "core/framework/AppMessageBox.h"
#include "core/framework/DataExchange.h"
#include "core/framework/File.h"
#include "core/framework/SafeFile.h"
#include "core/framework/Translate.h"
#include "core/horizon/HorizonFile.h"
#include "ui/app/UserFolders.h"
#include "ui/app/WindowFit.h"
#include "ui/framework/DialogExchange.h"
#include "ui/framework/QtText.h"

namespace {

// The largest horizon file Import reads.
constexpr qint64 kImportLimit = 16 * 1024 * 1024;

// "the elevation must be from -5 to 90" as a message: "The elevation must
// be from -5 to 90."
std::string Sentence(std::string reason) {
    if (!reason.empty())
        reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return reason + ".";
}

QString Number(double value) {
    return QString::fromStdString(DecimalText(value));
}

// A refused field: its index among the entry's fields and why.
using FieldProblem = std::optional<std::pair<int, std::string>>;

// Each field alone first, so that the message goes with the field at fault.
FieldProblem CheckPoint(const std::vector<double>& v) {
    if (auto error = HorizonPointError({v[0], 0.0}))
        return std::pair(0, *error);
    if (auto error = HorizonPointError({0.0, v[1]}))
        return std::pair(1, *error);
    if (auto error = HorizonPointError({v[0], v[1]}))
        return std::pair(0, *error);
    return std::nullopt;
}

HorizonObstacle ObstacleOf(const std::vector<double>& v) {
    return HorizonObstacle{v[0], v[1], v[2], v[3]};
}

FieldProblem CheckObstacle(const std::vector<double>& v) {
    for (int field = 0; field < 4; ++field) {
        std::vector<double> alone = {0.0, 0.0, 1.0, kDefaultObstacleWidth};
        alone[field] = v[field];
        if (auto error = HorizonObstacleError(ObstacleOf(alone)))
            return std::pair(field, *error);
    }
    if (auto error = HorizonObstacleError(ObstacleOf(v)))
        return std::pair(0, *error);
    return std::nullopt;
}

struct EntryField {
    QString label;       // with its mnemonic
    QString name;        // for screen readers
    const char* object;  // the field's object name
    const char* what;    // the field in "Please enter a number for the ..."
};

// The small form that adds or edits one point or obstacle.  OK keeps it open
// while a field holds what the horizon refuses.
class CHorizonEntryDlg : public QDialog {
public:
    CHorizonEntryDlg(const QString& title, const char* object, const std::vector<EntryField>& fields,
                     const std::vector<QString>& values,
                     std::function<FieldProblem(const std::vector<double>&)> check, QWidget* parent)
        : QDialog(parent), m_check(std::move(check)) {
        setObjectName(object);
        setWindowTitle(title);
        auto* form = new QFormLayout;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto* edit = new QLineEdit(values[i], this);
            edit->setObjectName(fields[i].object);
            edit->setAccessibleName(fields[i].name);
            form->addRow(fields[i].label, edit);
            m_edits.push_back(edit);
            m_whats.push_back(fields[i].what);
        }
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addWidget(buttons);
        m_edits.front()->setFocus();
    }

    const std::vector<double>& Values() const { return m_values; }

    void accept() override {
        std::vector<double> values;
        for (std::size_t i = 0; i < m_edits.size(); ++i) {
            const std::optional<double> number = ParseDialogFloat(m_edits[i]->text().toStdString());
            if (!number) {
                FailField(m_edits[i], EnterNumberFor(m_whats[i]));
                return;
            }
            values.push_back(*number);
        }
        if (const FieldProblem problem = m_check(values)) {
            FailField(m_edits[problem->first], Sentence(problem->second));
            m_edits[problem->first]->selectAll();
            return;
        }
        m_values = std::move(values);
        QDialog::accept();
    }

private:
    std::function<FieldProblem(const std::vector<double>&)> m_check;
    std::vector<QLineEdit*> m_edits;
    std::vector<const char*> m_whats;
    std::vector<double> m_values;
};

std::optional<HorizonPoint> AskPoint(QWidget* parent, const QString& title, const HorizonPoint* current) {
    const std::vector<EntryField> fields{
        {Tr("&Azimuth (true, °):"), Tr("Azimuth"), "pointAzimuth", TrNoop("azimuth")},
        {Tr("&Elevation (°):"), Tr("Elevation"), "pointElevation", TrNoop("elevation")},
    };
    const std::vector<QString> values =
        current ? std::vector<QString>{Number(current->azimuth), Number(current->elevation)}
                : std::vector<QString>{QString(), QString()};
    CHorizonEntryDlg dlg(title, "horizonPointEntry", fields, values, CheckPoint, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return HorizonPoint{dlg.Values()[0], dlg.Values()[1]};
}

std::optional<HorizonObstacle> AskObstacle(QWidget* parent, const QString& title,
                                           const HorizonObstacle* current) {
    const std::vector<EntryField> fields{
        {Tr("&Bearing (true, °):"), Tr("Bearing"), "obstacleBearing", TrNoop("bearing")},
        {Tr("&Height above the dish (m):"), Tr("Height"), "obstacleHeight", TrNoop("height")},
        {Tr("&Distance from the dish (m):"), Tr("Distance"), "obstacleDistance", TrNoop("distance")},
        {Tr("&Width (°):"), Tr("Width"), "obstacleWidth", TrNoop("width")},
    };
    const std::vector<QString> values =
        current ? std::vector<QString>{Number(current->bearing), Number(current->height),
                                       Number(current->distance), Number(current->width)}
                : std::vector<QString>{QString(), QString(), QString(), Number(kDefaultObstacleWidth)};
    CHorizonEntryDlg dlg(title, "horizonObstacleEntry", fields, values, CheckObstacle, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return ObstacleOf(dlg.Values());
}

// The horizon of these entries (each one already accepted by the checks).
CHorizonProfile Rebuilt(const std::vector<HorizonPoint>& points,
                        const std::vector<HorizonObstacle>& obstacles) {
    CHorizonProfile profile;
    for (const HorizonPoint& point : points)
        profile.AddPoint(point);
    for (const HorizonObstacle& obstacle : obstacles)
        profile.AddObstacle(obstacle);
    return profile;
}

// The row of the last point equal to `point` (where AddPoint puts a new one
// among points of its azimuth).
int RowOf(const CHorizonProfile& profile, const HorizonPoint& point) {
    const HorizonPoint kept{point.azimuth == 360.0 ? 0.0 : point.azimuth, point.elevation};
    const auto& points = profile.Points();
    for (std::size_t i = points.size(); i-- > 0;)
        if (points[i] == kept)
            return static_cast<int>(i);
    return -1;
}

QTableWidget* MakeTable(const QStringList& headings, const char* object, const QString& name,
                        QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setObjectName(object);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setCornerButtonEnabled(false);
    return table;
}

void SetRow(QTableWidget* table, int row, const std::vector<double>& values) {
    for (int column = 0; column < static_cast<int>(values.size()); ++column) {
        auto* item = new QTableWidgetItem(Number(values[column]));
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
    }
}

int RowSelected(const QTableWidget* table) {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void SelectRow(QTableWidget* table, int row) {
    if (row < 0 || row >= table->rowCount()) {
        table->clearSelection();
        return;
    }
    table->selectRow(row);
    table->scrollToItem(table->item(row, 0));
}

// The number of the line that HorizonFromText names in `message`
// ("NAME line 3: ..."), or 0.
std::size_t RefusedLine(const std::string& message, const std::string& name) {
    const std::string prefix = name + " line ";
    if (!message.starts_with(prefix))
        return 0;
    return static_cast<std::size_t>(std::strtoul(message.c_str() + prefix.size(), nullptr, 10));
}

// Makes line `number` (1 for the first) of `text` a comment, which the
// reader skips; false when the text has no such line.
bool CommentOut(std::string& text, std::size_t number) {
    std::size_t start = 0;
    for (std::size_t line = 1; line < number; ++line) {
        start = text.find('\n', start);
        if (start == std::string::npos)
            return false;
        ++start;
    }
    if (start >= text.size())
        return false;
    const std::size_t end = std::min(text.find('\n', start), text.size());
    // Built anew by appending: GCC 12's optimised builds warn falsely on a
    // replace in place (-Wrestrict).
    std::string out = text.substr(0, start);
    out += '#';
    out += text.substr(end);
    text = std::move(out);
    return true;
}

// The horizon file's text: "azimuth,elevation" lines, then
// "obstacle,bearing,height,distance,width" lines.
std::string HorizonText(const CHorizonProfile& profile) {
    std::string text = "# azimuth,elevation or obstacle,bearing,height,distance,width\n";
    for (const HorizonPoint& point : profile.Points())
        text += DecimalText(point.azimuth) + "," + DecimalText(point.elevation) + "\n";
    for (const HorizonObstacle& obstacle : profile.Obstacles())
        text += "obstacle," + DecimalText(obstacle.bearing) + "," + DecimalText(obstacle.height) + "," +
                DecimalText(obstacle.distance) + "," + DecimalText(obstacle.width) + "\n";
    return text;
}

}  // namespace

CHorizonDlg::CHorizonDlg(const CHorizonProfile& profile, const std::string& location, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_edited(profile), m_location(location) {
    setObjectName("horizonDlg");
    setWindowTitle(Tr("Horizon"));

    auto* title = new QLabel(Tr("The horizon at %1").arg(FromCp1252(location)), this);
    title->setObjectName("horizonLocation");
    title->setWordWrap(true);
    auto* note =
        new QLabel(Tr("Points are joined by straight lines around the circle.  An obstacle raises the "
                      "horizon to the angle of its top over its width, centred on its bearing."),
                   this);
    note->setWordWrap(true);

    m_points =
        MakeTable({Tr("Azimuth (°)"), Tr("Elevation (°)")}, "horizonPoints", Tr("Horizon points"), this);
    m_points->setWhatsThis(
        Tr("The horizon's outline: true azimuths with the elevation of the horizon there."));
    auto* pointsLabel = new QLabel(Tr("&Points:"), this);
    pointsLabel->setBuddy(m_points);
    auto* addPoint = MakeEditorButton(Tr("&Add Point..."), "addPoint", this);
    m_editPoint = MakeEditorButton(Tr("&Edit Point..."), "editPoint", this);
    m_deletePoint = MakeEditorButton(Tr("&Delete Point"), "deletePoint", this);

    m_obstacles = MakeTable({Tr("Bearing (°)"), Tr("Height (m)"), Tr("Distance (m)"), Tr("Width (°)")},
                            "horizonObstacles", Tr("Obstacles"), this);
    m_obstacles->setWhatsThis(Tr(
        "Trees and buildings as measured from the dish: the true bearing of the middle, the height above the "
        "dish, the distance and the width in degrees."));
    auto* obstaclesLabel = new QLabel(Tr("O&bstacles:"), this);
    obstaclesLabel->setBuddy(m_obstacles);
    auto* addObstacle = MakeEditorButton(Tr("Add Obs&tacle..."), "addObstacle", this);
    m_editObstacle = MakeEditorButton(Tr("Edit Obstac&le..."), "editObstacle", this);
    m_deleteObstacle = MakeEditorButton(Tr("Delete Ob&stacle"), "deleteObstacle", this);

    auto* importButton = MakeEditorButton(Tr("&Import..."), "importHorizon", this);
    importButton->setWhatsThis(
        Tr("Adds the points and obstacles of a horizon file: lines \"azimuth,elevation\" and "
           "\"obstacle,bearing,height,distance,width\"."));
    auto* exportButton = MakeEditorButton(Tr("E&xport..."), "exportHorizon", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    auto* pointButtons = new QVBoxLayout;
    for (QPushButton* button : {addPoint, m_editPoint, m_deletePoint})
        pointButtons->addWidget(button);
    pointButtons->addStretch();
    auto* obstacleButtons = new QVBoxLayout;
    for (QPushButton* button : {addObstacle, m_editObstacle, m_deleteObstacle})
        obstacleButtons->addWidget(button);
    obstacleButtons->addStretch();
    grid->addWidget(pointsLabel, 0, 0);
    grid->addWidget(m_points, 1, 0);
    grid->addLayout(pointButtons, 1, 1);
    grid->addWidget(obstaclesLabel, 2, 0);
    grid->addWidget(m_obstacles, 3, 0);
    grid->addLayout(obstacleButtons, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(importButton);
    bottom->addWidget(exportButton);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);

    setTabOrder(m_points, addPoint);
    setTabOrder(addPoint, m_editPoint);
    setTabOrder(m_editPoint, m_deletePoint);
    setTabOrder(m_deletePoint, m_obstacles);
    setTabOrder(m_obstacles, addObstacle);
    setTabOrder(addObstacle, m_editObstacle);
    setTabOrder(m_editObstacle, m_deleteObstacle);
    setTabOrder(m_deleteObstacle, importButton);
    setTabOrder(importButton, exportButton);
    setTabOrder(exportButton, buttons);

    connect(addPoint, &QPushButton::clicked, this, &CHorizonDlg::OnAddPoint);
    connect(m_editPoint, &QPushButton::clicked, this, &CHorizonDlg::OnEditPoint);
    connect(m_deletePoint, &QPushButton::clicked, this, &CHorizonDlg::OnDeletePoint);
    connect(addObstacle, &QPushButton::clicked, this, &CHorizonDlg::OnAddObstacle);
    connect(m_editObstacle, &QPushButton::clicked, this, &CHorizonDlg::OnEditObstacle);
    connect(m_deleteObstacle, &QPushButton::clicked, this, &CHorizonDlg::OnDeleteObstacle);
    connect(importButton, &QPushButton::clicked, this, &CHorizonDlg::OnImport);
    connect(exportButton, &QPushButton::clicked, this, &CHorizonDlg::OnExport);
    connect(m_points, &QTableWidget::itemSelectionChanged, this, &CHorizonDlg::UpdateButtons);
    connect(m_obstacles, &QTableWidget::itemSelectionChanged, this, &CHorizonDlg::UpdateButtons);
    connect(m_points, &QTableWidget::cellDoubleClicked, this, &CHorizonDlg::OnEditPoint);
    connect(m_obstacles, &QTableWidget::cellDoubleClicked, this, &CHorizonDlg::OnEditObstacle);

    Fill(-1, -1);
    // Wide enough for the obstacles' headings beside their buttons: the
    // columns share the width equally, so each gets the widest heading's room.
    int widest = 0;
    for (int column = 0; column < m_obstacles->columnCount(); ++column)
        widest = std::max(
            widest, fontMetrics().horizontalAdvance(m_obstacles->horizontalHeaderItem(column)->text()) + 24);
    const int headings = 2 * m_obstacles->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                         widest * m_obstacles->columnCount();
    const QMargins margins = layout->contentsMargins();
    resize(std::max(sizeHint().width(), headings + addObstacle->sizeHint().width() +
                                            grid->horizontalSpacing() + margins.left() + margins.right()),
           std::max(sizeHint().height(), fontMetrics().height() * 30));
}

bool CHorizonDlg::Run() {
    return exec() == QDialog::Accepted;
}

void CHorizonDlg::accept() {
    m_profile = m_edited;
    QDialog::accept();
}

void CHorizonDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitToScreen(this);
}

void CHorizonDlg::Fill(int pointRow, int obstacleRow) {
    const auto& points = m_edited.Points();
    m_points->setRowCount(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        SetRow(m_points, static_cast<int>(i), {points[i].azimuth, points[i].elevation});
    const auto& obstacles = m_edited.Obstacles();
    m_obstacles->setRowCount(static_cast<int>(obstacles.size()));
    for (std::size_t i = 0; i < obstacles.size(); ++i) {
        const HorizonObstacle& o = obstacles[i];
        SetRow(m_obstacles, static_cast<int>(i), {o.bearing, o.height, o.distance, o.width});
    }
    SelectRow(m_points, pointRow);
    SelectRow(m_obstacles, obstacleRow);
    UpdateButtons();
}

void CHorizonDlg::UpdateButtons() {
    const bool point = RowSelected(m_points) >= 0;
    const bool obstacle = RowSelected(m_obstacles) >= 0;
    m_editPoint->setEnabled(point);
    m_deletePoint->setEnabled(point);
    m_editObstacle->setEnabled(obstacle);
    m_deleteObstacle->setEnabled(obstacle);
}

void CHorizonDlg::OnAddPoint() {
    const std::optional<HorizonPoint> point = AskPoint(this, Tr("Add Point"), nullptr);
    if (!point || m_edited.AddPoint(*point))
        return;
    Fill(RowOf(m_edited, *point), RowSelected(m_obstacles));
    m_points->setFocus();
}

void CHorizonDlg::OnEditPoint() {
    const int row = RowSelected(m_points);
    if (row < 0)
        return;
    std::vector<HorizonPoint> points = m_edited.Points();
    const std::optional<HorizonPoint> point = AskPoint(this, Tr("Edit Point"), &points[row]);
    if (!point)
        return;
    points[row] = *point;
    m_edited = Rebuilt(points, m_edited.Obstacles());
    Fill(RowOf(m_edited, *point), RowSelected(m_obstacles));
    m_points->setFocus();
}

void CHorizonDlg::OnDeletePoint() {
    const int row = RowSelected(m_points);
    if (row < 0)
        return;
    m_edited.RemovePoint(static_cast<std::size_t>(row));
    Fill(std::min(row, static_cast<int>(m_edited.Points().size()) - 1), RowSelected(m_obstacles));
    m_points->setFocus();
}

void CHorizonDlg::OnAddObstacle() {
    const std::optional<HorizonObstacle> obstacle = AskObstacle(this, Tr("Add Obstacle"), nullptr);
    if (!obstacle || m_edited.AddObstacle(*obstacle))
        return;
    Fill(RowSelected(m_points), static_cast<int>(m_edited.Obstacles().size()) - 1);
    m_obstacles->setFocus();
}

void CHorizonDlg::OnEditObstacle() {
    const int row = RowSelected(m_obstacles);
    if (row < 0)
        return;
    std::vector<HorizonObstacle> obstacles = m_edited.Obstacles();
    const std::optional<HorizonObstacle> obstacle = AskObstacle(this, Tr("Edit Obstacle"), &obstacles[row]);
    if (!obstacle)
        return;
    obstacles[row] = *obstacle;
    m_edited = Rebuilt(m_edited.Points(), obstacles);
    Fill(RowSelected(m_points), row);
    m_obstacles->setFocus();
}

void CHorizonDlg::OnDeleteObstacle() {
    const int row = RowSelected(m_obstacles);
    if (row < 0)
        return;
    m_edited.RemoveObstacle(static_cast<std::size_t>(row));
    Fill(RowSelected(m_points), std::min(row, static_cast<int>(m_edited.Obstacles().size()) - 1));
    m_obstacles->setFocus();
}

void CHorizonDlg::OnImport() {
    const QString path = QFileDialog::getOpenFileName(this, Tr("Import Horizon"), DocumentsFolder(),
                                                      Tr("Horizon Files (*.csv *.txt);;All Files (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        AppMessageBox(ToCp1252Text(Tr("Could not read %1: %2").arg(path, file.errorString())), MB_OK,
                      MB_ICONEXCLAMATION);
        return;
    }
    if (file.size() > kImportLimit) {
        AppMessageBox(ToCp1252Text(Tr("%1 is too large for a horizon file.").arg(path)), MB_OK,
                      MB_ICONEXCLAMATION);
        return;
    }
    const QByteArray bytes = file.readAll();
    Import(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
           ToCp1252(QFileInfo(path).fileName()));
}

void CHorizonDlg::Import(std::string text, const std::string& name) {
    // The reader stops at the first line it refuses: that line becomes a
    // comment (the others keep their numbers) and the rest is read again.
    std::vector<std::string> problems;
    std::optional<CHorizonProfile> read;
    while (!read) {
        Outcome<CHorizonProfile> outcome = HorizonFromText(text, name);
        if (outcome) {
            read = *outcome;
            break;
        }
        problems.push_back(outcome.Message());
        if (problems.size() > kMaxImportProblems || !CommentOut(text, RefusedLine(outcome.Message(), name)))
            break;
    }
    QString lines;
    for (std::size_t i = 0; i < std::min(problems.size(), kMaxImportProblems); ++i)
        lines += FromCp1252(problems[i]) + "\n";
    if (!problems.empty() && (!read || read->IsEmpty())) {
        AppMessageBox(ToCp1252Text(Tr("%1\nNothing was imported.").arg(lines)), MB_OK, MB_ICONEXCLAMATION);
        return;
    }
    if (read->IsEmpty()) {
        AppMessageBox(ToCp1252Text(Tr("%1 holds no horizon points or obstacles.").arg(FromCp1252(name))),
                      MB_OK, MB_ICONEXCLAMATION);
        return;
    }
    for (const HorizonPoint& point : read->Points())
        m_edited.AddPoint(point);
    for (const HorizonObstacle& obstacle : read->Obstacles())
        m_edited.AddObstacle(obstacle);
    Fill(-1, -1);
    if (!problems.empty())
        AppMessageBox(
            ToCp1252Text(Tr("%1\nThese lines were left out; the rest of the file was imported.").arg(lines)),
            MB_OK, MB_ICONEXCLAMATION);
}

void CHorizonDlg::OnExport() {
    QString file = FromCp1252(m_location);
    file.replace('/', '-').replace('\\', '-');
    const QString path =
        QFileDialog::getSaveFileName(this, Tr("Export Horizon"), InDocumentsFolder(file + ".csv"),
                                     Tr("Horizon Files (*.csv *.txt);;All Files (*)"));
    if (path.isEmpty())
        return;
    const std::string text = HorizonText(m_edited);
    const SafeWriteResult result =
        SafeWriteFile(path.toStdString(), [&text](CFile& out) { out.Write(text.data(), text.size()); });
    if (!result.ok)
        AppMessageBox(
            ToCp1252Text(Tr("Could not write %1: %2").arg(path, FromCp1252(SafeWriteReason(result)))), MB_OK,
            MB_ICONEXCLAMATION);
}
