#pragma once
// The host's attribute tables and their fields as the library reads and writes them, named in
// one place; the same names serve the project database, which compares them case-blind.
#include <string>

namespace aggregate::schema {

// The key field of every host table, given by the host.
inline constexpr const char* kPkey = "PKEY";

struct BtypHtypTable {
  const char* name = "BtypHtyp";
  const char* biotoptyp = "Biotoptyp";
  const char* oekotyp = "Oekotyp";
  const char* p62Typ = "P62_Typ";
  const char* flaeche = "FLAECHE";                // hectares
  const char* flaechenanteil = "Flaechenanteil";  // percent of the object's area
  const char* bemerkung = "Bemerkung";
  const char* istFFHLRT = "ist_FFHLRT";
  const char* istP62Typ = "ist_P62_typ";
  const char* gesFl = "Ges_Fl";
  const char* gesProz = "Ges_Proz";
};
inline constexpr BtypHtypTable kBtypHtyp{};

// The detail tables below a BtypHtyp row, each with the field that identifies its rows.
struct DetailTable {
  const char* name;
  const char* identity;
};
inline constexpr DetailTable kZusatzcodes{"Zusatzcodes", "Zusatzcode"};
inline constexpr DetailTable kVegetationstyp{"Vegetationstyp", "Vegetationstyp"};
inline constexpr DetailTable kSchichtung{"Schichtung", "Schicht"};
inline constexpr DetailTable kPflanzenliste{"Pflanzenliste", "Pflanzenart"};
inline constexpr const char* kAnzahlKlass = "Anzahl_klass";  // of Pflanzenliste
inline constexpr DetailTable kTierliste{"Tierliste", "Tierart"};

struct PlanungRelArtenTable {
  const char* name = "PlanungRelArten";
  const char* tierart = "PlanRel_T_Art";
  const char* pflanzenart = "PlanRel_P_Art";
};
inline constexpr PlanungRelArtenTable kPlanungRelArten{};

struct Linfos2Table {
  const char* name = "LINFOS2";
  const char* offFlaech = "OffFlaech";  // recorded total area, hectares
};
inline constexpr Linfos2Table kLinfos2{};

// Columns of every table of the project database.
inline constexpr const char* kKeyColumn = "PKey";
inline constexpr const char* kObjectColumn = "TOLVARID";

// The codes a biotope-type row is known by.
struct BiotoptypCodes {
  std::string biotoptyp;
  std::string oekotyp;
  std::string p62Typ;
};

}  // namespace aggregate::schema
