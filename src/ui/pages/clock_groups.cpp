#include "ui/pages/clock_groups.h"

#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"
#include "widgets/check_lamp.h"
#include "widgets/digit_group.h"
#include "widgets/spin_field.h"
#include "widgets/styled_label.h"

namespace orvane::ui::pages {

namespace {

namespace controls = frontend::controls;

struct Digits {
    Control<ControlKind::DigitGroup> control;
    int count;
};

// One clock row: a raised caption, then three digit groups with engraved separators. The
// caption cannot be a buddy, so the digits take their names from it.
void AddDigitRow(QGridLayout* grid, int row, Control<ControlKind::StyledLabel> caption,
                 const std::array<Digits, 3>& digits, const QString& separator) {
    auto* label = Build(caption, QString(), widgets::StyledLabel::Effect::Shadow);
    grid->addWidget(label, row, 0);
    auto* line = new QHBoxLayout;
    line->setSpacing(3);
    const char* suffixes[] = {nullptr, "2", "3"};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0)
            line->addWidget(
                new widgets::StyledLabel(separator, widgets::StyledLabel::Effect::Highlight));
        auto* group = Build(digits[i].control, digits[i].count);
        NameFrom(group, caption, suffixes[i]);
        line->addWidget(group);
    }
    line->addStretch();
    grid->addLayout(line, row, 1);
}

widgets::SpinField* Spin(Control<ControlKind::SpinField> control, int upper) {
    auto* spin = Build(control);
    spin->setFormat(QStringLiteral("#0#"));
    spin->setLowerLimit(0);
    spin->setUpperLimit(upper);
    return spin;
}

}  // namespace

QGroupBox* BuildClockReadingGroup() {
    QGroupBox* box = Group(controls::Gr_Lettura_Clock);
    QGridLayout* grid = GridIn(box);
    AddDigitRow(grid, 0, controls::Lb_Data,
                {{{controls::Vr_Day, 2}, {controls::Vr_Mese, 2}, {controls::VrAnno, 4}}},
                QStringLiteral("/"));
    AddDigitRow(grid, 1, controls::Lb_Ora,
                {{{controls::VrOra, 2}, {controls::VrMin, 2}, {controls::VrSec, 2}}},
                QStringLiteral(":"));
    return box;
}

QGroupBox* BuildClockSettingGroup() {
    QGroupBox* box = Group(controls::Gr_Impostazione_Or);
    QGridLayout* grid = RowGridIn(box);

    QDateEdit* date = Build(controls::Sel_Data);
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setDate(QDate::currentDate());  // the day a clock is most likely set to
    AddRow(grid, 0, Caption(controls::Lb_Data_Da_Impostare), date);

    QLabel* timeCaption = Caption(controls::Lb_Ora_Da_Imp);
    grid->addWidget(timeCaption, 1, 0);
    auto* time = new QHBoxLayout;
    time->setSpacing(3);
    widgets::SpinField* hour = Spin(controls::Num_Ora, 23);
    timeCaption->setBuddy(hour);
    widgets::SpinField* minute = Spin(controls::Num_Minuti, 59);
    NameFrom(minute, controls::Lb_Ora_Da_Imp, "2");
    widgets::SpinField* second = Spin(controls::Num_Secondi, 59);
    NameFrom(second, controls::Lb_Ora_Da_Imp, "3");
    time->addWidget(hour);
    time->addWidget(minute);
    time->addWidget(second);
    grid->addLayout(time, 1, 1, 1, 2, Qt::AlignLeft);

    widgets::CheckLamp* follow = Build(controls::Ck_Agg_Clock);
    grid->addWidget(follow, 2, 0, 1, 3);

    auto* send = new QHBoxLayout;
    send->setSpacing(6);
    send->addWidget(Button(controls::Bt_Set_Clock));
    send->addWidget(Caption(controls::Lb_Solo_Com_Attiva));
    send->addStretch();
    grid->addLayout(send, 3, 0, 1, 3);
    return box;
}

}  // namespace orvane::ui::pages
