// glabels' templates as label stocks: the sheets and rolls that Debian's glabels-data and the user's own
// template files describe, read at run time with their brand, part and description.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "label/sheet/LabelStock.h"

namespace quillon {

// Where glabels-data puts its templates, and the most of one template file that is read.
inline constexpr const char* kSystemTemplateFolder = "/usr/share/libglabels-3.0/templates";
inline constexpr std::size_t kMaxTemplateFileBytes = 4 * 1024 * 1024;

struct TTemplateStocks {
    std::vector<TLabelStock> Stocks{};
    std::vector<TLabelMessage> Problems{};
};

// The templates of every *.xml and *.template file in the folders (a user's own may be saved as the
// latter), folder by folder and file by file in name order, as stocks named Brand-Part (Dymo-11354).
// Lengths are read in pt (the default), in, mm, cm or pc; a template that borrows another's geometry
// (equiv) takes it and its description; paper sizes other than A4 and US-Letter come from
// paper-sizes.xml, and a single label on paper of its own ("Other") is a roll. Round, elliptical and CD
// labels, and sheets of several grids, are listed with what keeps them from being placed. A missing
// folder is no problem; a file that cannot be read or is not well-formed is skipped whole, and a
// template with a bad value alone, each with a problem naming the file.
TTemplateStocks ReadTemplateStocks(const std::vector<std::string>& folders);

} // namespace quillon
