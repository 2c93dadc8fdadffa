#include "tools/datasheets/CoolerFigures.h"

#include <cmath>

namespace {

double Rounded(double Millimetres) {
    return std::round(Millimetres / 5.0) * 5.0;
}

// The pipe thread that keeps the oil below about 3 m/s at the model's largest flow.
QString ThreadFor(double MaxFlow) {
    if (MaxFlow <= 60)
        return QStringLiteral("G 1/2\"");
    if (MaxFlow <= 120)
        return QStringLiteral("G 3/4\"");
    if (MaxFlow <= 200)
        return QStringLiteral("G 1\"");
    if (MaxFlow <= 300)
        return QStringLiteral("G 1 1/4\"");
    if (MaxFlow <= 420)
        return QStringLiteral("G 1 1/2\"");
    return QStringLiteral("G 2\"");
}

} // namespace

TCoolerFigures FiguresOf(const TTableValue& Values, TCoolerType Series) {
    using namespace Catalogue;
    const double area = Values[CoolArea];
    const double power = Values[MotorPower];
    TCoolerFigures f;
    f.CoreSide = Rounded(std::sqrt(area) * 1000.0);
    f.CoreDepth = Rounded((0.06 + 0.05 * area) * 1000.0);
    f.Frame = Rounded(0.05 * f.CoreSide + 25.0);
    f.FootHeight = area <= 0.3 ? 60.0 : 80.0;
    f.Width = f.CoreSide + 2 * f.Frame;
    f.Height = f.CoreSide + 2 * f.Frame + f.FootHeight;
    f.FanDiameter = Values[FanDia];
    f.ShroudDepth = Rounded(0.2 * f.FanDiameter + 40.0);
    switch (Series) {
    case AC_Cooler:
        f.DriveLength = Rounded(130.0 + 110.0 * std::pow(power, 0.35));
        f.DriveDiameter = Rounded(110.0 + 60.0 * std::pow(power, 0.35));
        break;
    case DC_Cooler:
        f.DriveLength = Rounded(90.0 + 200.0 * power);
        f.DriveDiameter = Rounded(70.0 + 80.0 * power);
        break;
    case Cooler_System:
        f.DriveLength = Rounded(100.0 + 10.0 * power);
        f.DriveDiameter = Rounded(80.0 + 5.0 * power);
        break;
    default: // motor with the pump flanged on behind it
        f.DriveLength = Rounded(280.0 + 110.0 * std::pow(power, 0.35) + 0.5 * Values[MaxFlow]);
        f.DriveDiameter = Rounded(130.0 + 60.0 * std::pow(power, 0.35));
        break;
    }
    f.Depth = f.CoreDepth + f.ShroudDepth + f.DriveLength;
    f.InletHeight = Rounded(f.FootHeight + f.Frame + 0.88 * f.CoreSide);
    f.OutletHeight = Rounded(f.FootHeight + f.Frame + 0.12 * f.CoreSide);
    f.PortSetback = Rounded(f.CoreDepth / 2);
    f.Thread = ThreadFor(Values[MaxFlow]);
    f.FootHoleSpacing = f.Width - f.Frame;
    const double weight = Values[Weight];
    f.FootHoleDiameter = weight <= 60 ? 11.0 : weight <= 150 ? 14.0 : 18.0;
    return f;
}
