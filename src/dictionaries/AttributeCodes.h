#pragma once

namespace vorla {

// The translation engine's attribute numbers that dictionaries read, write or show.
namespace attr {
inline constexpr int kCompN = 8;
inline constexpr int kNumber = 24;
inline constexpr int kSCat = 37;  // kept in the entry's scat, never in an attribute list
inline constexpr int kSemAct = 38;
inline constexpr int kSemSpat = 39;
inline constexpr int kSubCat = 42;
inline constexpr int kTgtGCase = 50;
inline constexpr int kTgtGrade = 51;
inline constexpr int kTgtInfl = 52;
inline constexpr int kTgtTr = 57;
inline constexpr int kTgtAdjAttr = 58;  // 1-based position of the attributive word in target
inline constexpr int kTgtDInfl = 59;
}  // namespace attr

// Word classes (values of SCat) that entries use.
namespace word_class {
inline constexpr int kNoSCat = 0;
inline constexpr int kAdj = 2;
inline constexpr int kAdv = 3;
inline constexpr int kNoun = 8;
inline constexpr int kProp = 12;
inline constexpr int kVerb = 13;
inline constexpr int kCount = 16;  // size of the engine's word class table
}  // namespace word_class

}  // namespace vorla
