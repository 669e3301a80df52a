// Which Microsoft Office is installed, as the OFFICE tracks need to know it:
// the version component of Office's registry keys ("11.0" for Office 2003).
//
// The answer comes from Word's automation object, which starts Word in the
// background and quits it again. Nothing here throws or shows a message; an
// Office that cannot be asked is "NoOffice".
#pragma once

#include <string>

namespace Normal {

// "Office97", "Office2000", "Office2002", "Office2003", "Office2007",
// "Office2010"; "" for a Word this table does not know (15.0 and later);
// "NoOffice" when Word's automation object cannot be created.
std::string GetOfficeVersion();

}  // namespace Normal

namespace engine {

inline constexpr const char* kWordProgId = "Word.Application.8";
inline constexpr const char* kNoOffice = "NoOffice";

// GetOfficeVersion through the automation object of any programmatic
// identifier; GetOfficeVersion is this with kWordProgId.
std::string OfficeProductFrom(const std::string& progId);

// The product text for the version text Word reports, by the first of "8",
// "9", "10", "11", "12", "14" that the text contains; "" for none.
std::string OfficeProductOfWordVersion(const std::string& version);

// The registry version component of a product text: "Office2003" gives
// "11.0"; anything unknown, "NoOffice" included, gives "".
std::string OfficeVersionText(const std::string& product);

}  // namespace engine
