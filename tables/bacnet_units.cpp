#include "tables/bacnet_units.h"

namespace {

// Codes whose descriptive names differ from the picker's list.
struct TRenamed {
    int Code;
    const char* Name;
};
constexpr TRenamed Renamed[] = {
    {172, "ohm-meters"},
    {139, "megajoules-hours-per-square-meter"},
    {140, "megajoules-hours-per-square-foot"},
};

}  // namespace

const std::vector<TBACnet_Unit_Category>& BACnet_Unit_Categories() {
    // clang-format off
    static const std::vector<TBACnet_Unit_Category> categories{
    {"Acceleration",
     {{"meters-per-second-per-second", 166}}},
    {"Area",
     {{"square-meters", 0}, {"square-centimeters", 116}, {"square-feet", 1}, {"square-inches", 115}}},
    {"Currency",
     {{"currency1", 105}, {"currency2", 106}, {"currency3", 107}, {"currency4", 108}, {"currency5", 109}, {"currency6", 110}, {"currency7", 111}, {"currency8", 112}, {"currency9", 113}, {"currency10", 114}}},
    {"Electrical",
     {{"milliamperes", 2}, {"amperes", 3}, {"amperes-per-meter", 167}, {"amperes-per-square-meter", 168}, {"ampere-square-meters", 169}, {"decibels", 199}, {"decibels-millivolt", 200}, {"decibels-volt", 201}, {"farads", 170}, {"henrys", 171}, {"ohms", 4}, {"ohms-meters", 172}, {"milliohms", 145}, {"kilohms", 122}, {"megohms", 123}, {"microsiemens", 190}, {"millisiemens", 202}, {"siemens", 173}, {"siemens-per-meter", 174}, {"teslas", 175}, {"volts", 5}, {"millivolts", 124}, {"kilovolts", 6}, {"megavolts", 7}, {"volt-amperes", 8}, {"kilovolt-amperes", 9}, {"megavolt-amperes", 10}, {"volt-amperes-reactive", 11}, {"kilovolt-amperes-reactive", 12}, {"megavolt-amperes-reactive", 13}, {"volts-per-degree-Kelvin", 176}, {"volts-per-meter", 177}, {"degrees-phase", 14}, {"power-factor", 15}, {"webers", 178}}},
    {"Energy",
     {{"joules", 16}, {"kilojoules", 17}, {"kilojoules-per-kilogram", 125}, {"megajoules", 126}, {"watt-hours", 18}, {"kilowatt-hours", 19}, {"megawatt-hours", 146}, {"watt-hours-reactive", 203}, {"kilowatt-hours-reactive", 204}, {"megawatt-hours-reactive", 205}, {"btus", 20}, {"kilo-btus", 147}, {"mega-btus", 148}, {"therms", 21}, {"ton-hours", 22}}},
    {"Enthalpy",
     {{"joules-per-kilogram-dry-air", 23}, {"kilojoules-per-kilogram-dry-air", 149}, {"megajoules-per-kilogram-dry-air", 150}, {"btus-per-pound-dry-air", 24}, {"btus-per-pound", 117}}},
    {"Entropy",
     {{"joules-per-degree-Kelvin", 127}, {"kilojoules-per-degree-Kelvin", 151}, {"megajoules-per-degree-Kelvin", 152}, {"btus-per-kilogram-degree-Kelvin", 128}}},
    {"Force",
     {{"newton", 153}}},
    {"Frequency",
     {{"cycles-per-hour", 25}, {"cycles-per-minute", 26}, {"hertz", 27}, {"kilohertz", 129}, {"megahertz", 130}, {"per-hour", 131}}},
    {"Humidity",
     {{"grams-of-water-per-kilogram-dry-air", 28}, {"percent-relative-humidity", 29}}},
    {"Length",
     {{"micrometers", 194}, {"millimeters", 30}, {"centimeters", 118}, {"kilometers", 193}, {"meters", 31}, {"inches", 32}, {"feet", 33}}},
    {"Light",
     {{"candelas", 179}, {"candelas-per-square-meter", 180}, {"watts-per-square-foot", 34}, {"watts-per-square-meter", 35}, {"lumens", 36}, {"luxes", 37}, {"foot-candles", 38}}},
    {"Mass",
     {{"milligrams", 196}, {"grams", 195}, {"kilograms", 39}, {"pounds-mass", 40}, {"tons", 41}}},
    {"Mass Flow",
     {{"grams-per-second", 154}, {"grams-per-minute", 155}, {"kilograms-per-second", 42}, {"kilograms-per-minute", 43}, {"kilograms-per-hour", 44}, {"pounds-mass-per-second", 119}, {"pounds-mass-per-minute", 45}, {"pounds-mass-per-hour", 46}, {"tons-per-hour", 156}}},
    {"Power",
     {{"milliwatts", 132}, {"watts", 47}, {"kilowatts", 48}, {"megawatts", 49}, {"btus-per-hour", 50}, {"kilo-btus-per-hour", 157}, {"housepower", 51}, {"tons-refrigeration", 52}}},
    {"Pressure",
     {{"pascals", 53}, {"hectopascals", 133}, {"kilopascals", 54}, {"millibars", 134}, {"bars", 55}, {"pounds-force-per-square-inch", 56}, {"millimeters-of-water", 206}, {"centimeters-of-water", 57}, {"inches-of-water", 58}, {"millimeters-of-mercury", 59}, {"centimeters-of-mercury", 60}, {"inches-of-mercury", 61}}},
    {"Temperature",
     {{"degrees-Celsius", 62}, {"degrees-Kelvin", 63}, {"degrees-Kelvin-per-hour", 181}, {"degrees-Kelvin-per-minute", 182}, {"degrees-Fahrenheit", 64}, {"degree-days-Celsius", 65}, {"degree-days-Fahrenheit", 66}, {"delta-degrees-Fahrenheit", 120}, {"delta-degrees-Kelvin", 121}}},
    {"Time",
     {{"years", 67}, {"months", 68}, {"weeks", 69}, {"days", 70}, {"hours", 71}, {"minutes", 72}, {"seconds", 73}, {"hundredths-seconds", 158}, {"milliseconds", 159}}},
    {"Torque",
     {{"newton-meters", 160}}},
    {"Velocity",
     {{"millimeters-per-second", 161}, {"millimeters-per-minute", 162}, {"meters-per-second", 74}, {"meters-per-minute", 163}, {"meters-per-hour", 164}, {"kilometers-per-hour", 75}, {"feet-per-second", 76}, {"feet-per-meters", 77}, {"miles-per-hour", 78}}},
    {"Volume",
     {{"cubic-feet", 79}, {"cubic-meters", 80}, {"imperial-gallons", 81}, {"milliliters", 197}, {"liters", 82}, {"us-gallons", 83}}},
    {"Volumetric Flow",
     {{"cubic-feet-per-second", 142}, {"cubic-feet-per-minute", 84}, {"cubic-feet-per-hour", 191}, {"cubic-meters-per-second", 85}, {"cubic-meters-per-minute", 165}, {"cubic-meters-per-hour", 135}, {"imperial-gallons-per-minute", 86}, {"milliliters-per-second", 198}, {"liters-per-second", 87}, {"liters-per-minute", 88}, {"liters-per-hour", 136}, {"us-gallons-per-minute", 89}, {"us-gallons-per-hour", 192}}},
    {"Other",
     {{"degrees-angular", 90}, {"degrees-Celsius-per-hour", 91}, {"degrees-Celsius-per-minute", 92}, {"degrees-Fahrenheit-per-hour", 93}, {"degrees-Fahrenheit-per-minute", 94}, {"joule-seconds", 183}, {"kilograms-per-cubic-meter", 186}, {"kilowatt-hours-per-square-meter", 137}, {"kilowatt-hours-per-square-foot", 138}, {"megajoules-per-square-meter", 139}, {"megajoules-per-square-foot", 140}, {"no-units", 95}, {"newton-seconds", 187}, {"newtons-per-meter", 188}, {"parts-per-million", 96}, {"parts-per-billion", 97}, {"percent", 98}, {"percent-obscuration-per-foot", 143}, {"percent-obscuration-per-meter", 144}, {"percent-per-second", 99}, {"per-minute", 100}, {"per-second", 101}, {"psi-per-degree-Fahrenheit", 102}, {"radiants", 103}, {"radians-per-second", 184}, {"revolutions-per-minute", 104}, {"square-meters-per-Newton", 185}, {"watts-per-meter-per-degree-Kelvin", 189}, {"watts-per-square-meter-degree-kelvin", 141}, {"per-mille", 207}, {"grams-per-gram", 208}, {"kilograms-per-kilogram", 209}, {"grams-per-kilogram", 210}, {"milligrams-per-gram", 211}, {"milligrams-per-kilogram", 212}, {"grams-per-milliliter", 213}, {"grams-per-liter", 214}, {"milligrams-per-liter", 215}, {"micrograms-per-liter", 216}, {"grams-per-cubic-meter", 217}, {"milligrams-per-cubic-meter", 218}, {"micrograms-per-cubic-meter", 219}, {"nanograms-per-cubic-meter", 220}, {"grams-per-cubic-centimeter", 221}, {"becquerels", 222}, {"kilobecquerels", 223}, {"megabecquerels", 224}, {"gray", 225}, {"milligray", 226}, {"microgray", 227}, {"sieverts", 228}, {"millisieverts", 229}, {"microsieverts", 230}, {"microsieverts-per-hour", 231}, {"decibels-a", 232}, {"nephelometric-turbidity-unit", 233}, {"pH", 234}, {"grams-per-square-meter", 235}, {"minutes-per-degree-kelvin", 236}}},
    };
    // clang-format on
    return categories;
}

QString Desc_Unit(int Num_Unit) {
    for (const TRenamed& r : Renamed)
        if (r.Code == Num_Unit) return QString::fromLatin1(r.Name);
    for (const TBACnet_Unit_Category& category : BACnet_Unit_Categories())
        for (const TBACnet_Unit& unit : category.Units)
            if (unit.Code == Num_Unit) return QString::fromLatin1(unit.Name);
    return QStringLiteral("unknown");
}
