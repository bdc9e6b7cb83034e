#include "Gs1Command.h"

#include "data/Escape.h"
#include "label/gs1/Gs1Data.h"

namespace quillon::cli {

int RunGs1(std::string_view data, std::ostream& out, std::ostream& err)
{
    const TGs1Check check = CheckGs1(data);
    if (!check.Faults.empty()) {
        for (const TGs1Error& fault : check.Faults)
            err << EscapeForMessage(fault.Message) << '\n';
        return 1;
    }
    for (const TGs1Element& element : check.Elements)
        out << element.Ai << '\t' << Gs1Title(element.Ai) << '\t' << element.Value << '\n';
    return 0;
}

} // namespace quillon::cli
