// The bundled sample data: the Low Countries and the German border, with
// their airports, runways, radio navaids and en-route fixes. Positions are
// rounded and the navaids are placed for the sample, not for navigation.
#include "navdata_files.h"
#include <cmath>

namespace navdata {
namespace {

struct RunwaySpec {
    int number;
    char suffix;
    double heading;
    int length, width;
};

struct AirportSpec {
    Airport airport;
    double lat, lon;
    RunwaySpec runways[4];
    int taxiways;
};

constexpr double kPi = 3.14159265358979323846;

const AirportSpec kAirports[] = {
    {{-11, 1, 0, "EHAM", "Amsterdam Schiphol"}, 52.308613, 4.763889,
     {{18, 'R', 183.22, 12467, 197}, {6, 'x', 57.92, 11483, 148}, {9, 'x', 87.44, 11329, 148}, {18, 'C', 183.21, 10826, 148}}, 6},
    {{-15, 1, 0, "EHRD", "Rotterdam The Hague"}, 51.956944, 4.437222, {{6, 'x', 57.23, 7218, 148}}, 3},
    {{-13, 1, 0, "EHLE", "Lelystad"}, 52.460278, 5.527222, {{5, 'x', 52.31, 8858, 148}}, 2},
    {{-3, 0, 0, "EHMM", "Middenmeer Texel Airstrip"}, 52.815833, 5.010556, {{9, 'x', 88.10, 2953, 82}}, 0},
    {{3, 1, 0, "EHKD", "Den Helder De Kooy"}, 52.923400, 4.780600, {{4, 'x', 41.30, 4209, 148}}, 1},
    {{2, 0, 0, "EHTX", "Texel"}, 53.115278, 4.833611, {{4, 'x', 44.00, 3707, 98}, {13, 'x', 128.00, 2536, 98}}, 0},
    {{17, 1, 0, "EHGG", "Groningen Eelde"}, 53.119722, 6.579444, {{5, 'x', 52.04, 4921, 148}, {1, 'x', 8.02, 8202, 148}}, 2},
    {{11, 0, 0, "EHAL", "Ameland"}, 53.451667, 5.677222, {{8, 'x', 81.00, 2625, 66}}, 0},
    {{114, 1, 0, "EHTW", "Enschede Twente"}, 52.275833, 6.889167, {{5, 'x', 52.01, 9842, 148}}, 2},
    {{74, 1, 0, "EHEH", "Eindhoven"}, 51.450139, 5.374528, {{3, 'x', 35.62, 9846, 148}}, 3},
    {{375, 1, 0, "EHBK", "Maastricht Aachen"}, 50.911667, 5.770139, {{3, 'x', 32.61, 8202, 148}}, 2},
    {{49, 1, 0, "EHGR", "Gilze Rijen Air Base"}, 51.567389, 4.931833, {{10, 'x', 100.62, 9052, 148}, {2, 'x', 22.54, 6526, 148}}, 2},
    {{72, 1, 0, "EHVK", "Volkel Air Base"}, 51.656389, 5.708611, {{6, 'L', 60.41, 9908, 148}, {6, 'R', 60.40, 9930, 148}}, 2},
    {{63, 1, 0, "EHWO", "Woensdrecht Air Base"}, 51.449100, 4.342000, {{7, 'x', 73.51, 9800, 148}}, 1},
    {{158, 0, 0, "EHDL", "Arnhem Deelen"}, 52.060556, 5.873056, {{2, 'x', 21.00, 5900, 148}, {10, 'x', 100.00, 3937, 98}}, 0},
    {{6, 0, 0, "EHMZ", "Midden Zeeland"}, 51.512222, 3.731111, {{9, 'x', 89.03, 3550, 98}}, 0},
    {{3, 0, 0, "EHHV", "Hilversum"}, 52.191944, 5.146944, {{7, 'x', 69.50, 3412, 98}}, 0},
    {{30, 0, 0, "EHSE", "Breda International"}, 51.554722, 4.552500, {{7, 'x', 70.22, 3904, 75}}, 0},
    {{40, 0, 0, "EHHO", "Hoogeveen"}, 52.730833, 6.516111, {{9, 'x', 90.00, 2953, 75}}, 0},
    {{1, 0, 0, "EHOW", "Oostwold"}, 53.209444, 7.036667, {{5, 'x', 50.00, 2296, 66}}, 0},
    {{14, 0, 0, "EHST", "Stadskanaal"}, 52.998611, 7.022778, {{6, 'x', 60.00, 2034, 66}}, 0},
    {{184, 1, 0, "EBBR", "Brussels National"}, 50.901389, 4.484444,
     {{7, 'R', 65.04, 11936, 148}, {7, 'L', 65.03, 10535, 148}, {1, 'x', 13.12, 9796, 148}}, 5},
    {{39, 1, 0, "EBAW", "Antwerp Deurne"}, 51.189444, 4.460278, {{11, 'x', 108.84, 4954, 148}}, 2},
    {{614, 1, 0, "EBCI", "Charleroi Brussels South"}, 50.459167, 4.453889, {{7, 'x', 65.01, 8366, 148}}, 2},
    {{659, 1, 0, "EBLG", "Liege"}, 50.637417, 5.443222, {{5, 'R', 52.03, 12106, 148}, {5, 'L', 52.02, 7677, 148}}, 3},
    {{13, 1, 0, "EBOS", "Ostend Bruges International"}, 51.198889, 2.862222, {{8, 'x', 80.21, 10499, 148}}, 2},
    {{64, 1, 0, "EBKT", "Kortrijk Wevelgem"}, 50.817222, 3.204722, {{6, 'x', 62.50, 4350, 98}}, 1},
    {{370, 1, 0, "EBBE", "Beauvechain Air Base"}, 50.758611, 4.768333, {{4, 'L', 41.00, 10040, 148}, {4, 'R', 41.00, 8996, 75}}, 1},
    {{935, 1, 0, "EBFS", "Florennes Air Base"}, 50.243333, 4.645833, {{8, 'L', 80.50, 11080, 148}, {8, 'R', 80.50, 8875, 98}}, 1},
    {{200, 1, 0, "EBBL", "Kleine Brogel Air Base"}, 51.168333, 5.470000, {{5, 'x', 51.80, 9997, 148}}, 1},
    {{1581, 0, 0, "EBSP", "Spa La Sauveniere"}, 50.482500, 5.910278, {{5, 'x', 50.00, 2598, 75}}, 0},
    {{53, 0, 0, "EBZR", "Zoersel Oostmalle"}, 51.264722, 4.753333, {{10, 'x', 103.00, 9842, 148}}, 0},
    {{147, 1, 0, "EDDL", "Dusseldorf International"}, 51.289444, 6.766667, {{5, 'R', 52.90, 9843, 148}, {5, 'L', 52.90, 8859, 148}}, 4},
    {{125, 1, 0, "EDLN", "Monchengladbach"}, 51.230278, 6.504444, {{13, 'x', 132.50, 3937, 98}}, 1},
    {{302, 1, 0, "EDDK", "Cologne Bonn"}, 50.865833, 7.142778, {{14, 'L', 135.40, 12516, 197}, {6, 'x', 58.70, 8061, 148}, {14, 'R', 135.40, 6112, 148}}, 4},
    {{106, 1, 0, "EDLV", "Weeze Niederrhein"}, 51.602500, 6.142222, {{9, 'x', 90.80, 8530, 148}}, 1},
};

const Navaid kNavaids[] = {
    {3, 52.331389, 4.750000, -11, 10840, 25, -1.000, "SPL", "SCHIPHOL VOR/DME"},
    {3, 52.333889, 5.091111, -13, 11780, 130, -1.000, "PAM", "PAMPUS VOR/DME"},
    {3, 52.540000, 4.853889, -3, 11330, 130, -1.000, "SPY", "SPIJKERBOOR VOR/DME"},
    {3, 51.957222, 4.440000, -15, 11040, 25, -1.000, "RTM", "ROTTERDAM VOR/DME"},
    {3, 53.163611, 6.666667, 17, 11240, 130, 0.000, "EEL", "EELDE VOR/DME"},
    {3, 51.409444, 5.405278, 74, 11760, 40, 0.000, "EHV", "EINDHOVEN VOR/DME"},
    {3, 50.916111, 4.539722, 184, 11460, 130, -1.000, "BUB", "BRUSSELS VOR/DME"},
    {3, 50.751389, 4.640833, 370, 11755, 130, -1.000, "HUL", "HULDENBERG VOR/DME"},
    {3, 50.903611, 4.139722, 49, 11490, 130, -1.000, "AFI", "AFFLIGEM VOR/DME"},
    {3, 50.572778, 3.831667, 194, 11320, 130, -1.000, "CIV", "CHIEVRES VOR/DME"},
    {3, 51.094444, 2.652778, 13, 11450, 130, -1.000, "KOK", "KOKSY VOR/DME"},
    {3, 51.164722, 4.183889, 13, 11740, 130, -1.000, "NIK", "NICKY VOR/DME"},
    {3, 51.290000, 6.765000, 147, 11515, 40, 0.000, "DUS", "DUSSELDORF VOR/DME"},
    {3, 50.865000, 7.152500, 302, 11280, 40, 0.000, "COL", "COLOGNE VOR/DME"},
    {2, 52.362500, 4.640000, -11, 399, 25, 0.000, "ANT", "SCHIPHOL ANTHONY NDB"},
    {2, 52.201389, 4.720556, -11, 387, 25, 0.000, "NV", "NIEUW VENNEP NDB"},
    {2, 51.982500, 4.345833, -15, 369, 25, 0.000, "RR", "ROTTERDAM NDB"},
    {2, 53.121111, 6.530833, 17, 371, 25, 0.000, "EL", "EELDE NDB"},
    {2, 52.919444, 4.659722, 3, 403, 25, 0.000, "KDR", "DE KOOY NDB"},
    {2, 51.461944, 5.258889, 74, 397, 25, 0.000, "EHN", "EINDHOVEN NDB"},
    {2, 50.957500, 5.711667, 375, 403, 25, 0.000, "NB", "BEEK NDB"},
    {2, 50.823611, 4.381667, 184, 406, 25, 0.000, "BUN", "BRUNO NDB"},
    {2, 51.214167, 4.343333, 39, 319, 25, 0.000, "ANT", "ANTWERP NDB"},
    {2, 50.644722, 5.352500, 659, 382, 25, 0.000, "LGE", "LIEGE NDB"},
    {2, 51.252778, 6.899444, 147, 417, 25, 0.000, "DL", "DUSSELDORF NDB"},
    {4, 52.291944, 4.777778, -11, 11010, 18, 183.220, "ZWA", "EHAM 18R ILS-cat-III"},
    {4, 52.301111, 4.808333, -11, 11155, 18, 237.920, "SCH", "EHAM 24 ILS-cat-III"},
    {4, 52.320278, 4.737500, -11, 11075, 18, 3.210, "IJM", "EHAM 36C ILS-cat-III"},
    {4, 51.963611, 4.452500, -15, 11090, 18, 237.230, "RD", "EHRD 24 ILS-cat-I"},
    {4, 51.460833, 5.394444, 74, 10930, 18, 215.620, "ESE", "EHEH 21 ILS-cat-II"},
    {4, 50.917500, 5.781667, 375, 10990, 18, 212.610, "BK", "EHBK 21 ILS-cat-II"},
    {4, 50.911667, 4.516944, 184, 10955, 18, 245.040, "BR", "EBBR 25L ILS-cat-III"},
    {4, 50.894722, 4.505278, 184, 11035, 18, 245.030, "BX", "EBBR 25R ILS-cat-III"},
    {4, 50.645833, 5.463611, 659, 11010, 18, 232.030, "ILG", "EBLG 23L ILS-cat-III"},
    {4, 51.299722, 6.789444, 147, 10970, 18, 232.900, "IDR", "EDDL 23L ILS-cat-III"},
    {5, 53.127500, 6.586111, 17, 10930, 18, 188.020, "GRL", "EHGG 19 LOC"},
    {6, 52.329722, 4.709722, -11, 11010, 10, 183.220, "ZWA", "EHAM 18R GS"},
    {6, 51.949722, 4.428611, -15, 11090, 10, 237.230, "RD", "EHRD 24 GS"},
    {6, 50.896111, 4.470833, 184, 10955, 10, 245.040, "BR", "EBBR 25L GS"},
    {7, 52.415556, 4.753333, -11, 75, 0, 183.220, "", "EHAM 18R OM"},
    {8, 52.346389, 4.719722, -11, 75, 0, 183.220, "", "EHAM 18R MM"},
    {9, 52.333333, 4.713889, -11, 75, 0, 183.220, "", "EHAM 18R IM"},
    {7, 50.857778, 4.384444, 184, 75, 0, 245.040, "", "EBBR 25L OM"},
    {8, 50.889722, 4.453333, 184, 75, 0, 245.040, "", "EBBR 25L MM"},
};

const Fix kFixes[] = {
    {52.510556, 5.569722, "ARTIP"}, {52.525556, 3.968889, "SUGOL"}, {51.912778, 4.131944, "RIVER"},
    {53.016389, 6.043611, "NORKU"}, {52.771667, 4.563056, "ANDIK"}, {52.278889, 6.061389, "TOPPA"},
    {52.138889, 3.637500, "EDUPO"}, {51.862222, 5.041389, "REDFA"}, {53.367222, 6.588889, "BEDUM"},
    {52.659444, 6.163611, "DENUT"}, {52.088056, 5.593056, "LAMSO"}, {52.920000, 5.302500, "EELKO"},
    {51.541667, 3.912500, "KOVEL"}, {52.416944, 4.270833, "BERGI"}, {52.061944, 4.688889, "GOUDA"},
    {51.710556, 4.596389, "DORDT"}, {53.250000, 5.112222, "HARLI"}, {52.825278, 6.845556, "EMMEN"},
    {51.325000, 5.905556, "VENLO"}, {51.016667, 3.666667, "GENTO"}, {50.705556, 3.208333, "MENIN"},
    {50.400000, 4.100000, "BINCH"}, {50.205556, 5.208333, "DINAN"}, {50.583333, 6.083333, "EUPEN"},
    {51.047222, 5.344444, "HASSE"}, {50.845833, 4.875000, "LOUVA"}, {51.333333, 3.216667, "BRUGE"},
    {51.150000, 7.083333, "WUPER"}, {50.733333, 7.016667, "BONNO"}, {51.500000, 6.700000, "RHEIN"},
    {51.833333, 6.266667, "KLEVE"}, {52.150000, 7.000000, "GRONA"}, {53.000000, 3.500000, "NOSEA"},
    {53.500000, 4.000000, "HELGO"}, {52.000000, 2.500000, "NORTH"}, {51.500000, 2.000000, "SANDY"},
    {50.500000, 2.750000, "ARRAS"}, {50.000000, 5.500000, "ARDEN"}, {50.000000, 7.000000, "EIFEL"},
    {53.500000, 7.000000, "EMDEN"},
};

// A runway's centre: spread around the reference point across the runway's
// heading, so that parallel runways do not share one centre.
Runway PlacedRunway(const AirportSpec& spec, const RunwaySpec& runway, int index) {
    double across = (runway.heading + 90) * kPi / 180;
    double offset = 0.004 * (index - 1);
    const char* codes = runway.width >= 148 ? "02121321" : "03121111";
    return {spec.lat + offset * cos(across), spec.lon + offset * sin(across) / cos(spec.lat * kPi / 180),
            runway.number, runway.suffix, runway.heading, runway.length, runway.width, codes};
}

// Taxiways are runway lines numbered 99, spread over the field.
Runway PlacedTaxiway(const AirportSpec& spec, int index) {
    double angle = index * 1.9;
    return {spec.lat + 0.003 * cos(angle), spec.lon + 0.005 * sin(angle), 99, 'x',
            static_cast<double>((index * 67) % 360), 400 + 350 * index, 75, "01111111"};
}

} // namespace

void WriteSampleRegion(const Output& output) {
    const int version = 245;
    LineFile apt(output, "apt.dat");
    apt.Line("I");
    apt.Line(AptVersionLine(version));
    for (const AirportSpec& spec : kAirports) {
        apt.Line("");
        apt.Line(AirportLine(version, spec.airport));
        int count = 0;
        for (const RunwaySpec& runway : spec.runways)
            if (runway.length > 0) apt.Line(RunwayLine(version, PlacedRunway(spec, runway, count++)));
        for (int i = 1; i <= spec.taxiways; i++) apt.Line(RunwayLine(version, PlacedTaxiway(spec, i)));
        if (spec.airport.hasTower) {
            apt.Line("14 " + Coordinates(spec.lat + 0.002, spec.lon - 0.002) + "  100 0 Tower");
            apt.Line("50 12" + std::to_string(100 + (count * 37) % 90) + " ATIS");
        }
    }
    apt.Line("");
    apt.Line("99");

    LineFile nav(output, "nav.dat");
    nav.Line("I");
    nav.Line(NavVersionLine(version));
    for (const Navaid& navaid : kNavaids) nav.Line(NavaidLine(version, navaid));
    nav.Line("99");

    LineFile fix(output, "fix.dat");
    fix.Line("I");
    fix.Line(FixVersionLine(version));
    for (const Fix& point : kFixes) fix.Line(FixLine(point));
    fix.Line("99");
}

} // namespace navdata
