#pragma once
// Table and fields of a biotope-type row that the area handlers and the area balance read and write.

namespace aggregate::areas {

inline constexpr const char* kBtypHtyp = "BtypHtyp";
inline constexpr const char* kFlaechenanteil = "Flaechenanteil";  // percent of the object's area
inline constexpr const char* kFlaeche = "FLAECHE";                // hectares
inline constexpr const char* kGesFl = "Ges_Fl";
inline constexpr const char* kGesProz = "Ges_Proz";
inline constexpr const char* kIstFFHLRT = "ist_FFHLRT";
inline constexpr const char* kIstP62Typ = "ist_P62_typ";

}  // namespace aggregate::areas
