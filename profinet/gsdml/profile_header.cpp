#include "profinet/gsdml/profile_header.h"

bool TProfileHeader::Read_ProfileHeader(IXMLNode node) {
    return Guarded([&] {
        Read_ChildText(node, "ProfileIdentification", FProfileIdentification);
        Read_ChildText(node, "ProfileRevision", FProfileRevision);
        Read_ChildText(node, "ProfileName", FProfileName);
        Read_ChildText(node, "ProfileSource", FProfileSource);
        Read_ChildText(node, "ProfileClassID", FProfileClassID);
        Read_ChildText(node, "ProfileDate", FProfileDate);
        if (const IXMLNode reference = Child(node, "ISO15745Reference")) {
            Read_ChildText(reference, "ISO15745Part", ISO15745Reference.FISO15745Part);
            Read_ChildText(reference, "ISO15745Edition", ISO15745Reference.FISO15745Edition);
            Read_ChildText(reference, "ProfileTechnology", ISO15745Reference.FISO15745Technology);
        }
        return Read_Items(node, {"IASInterfaceType"}, [this](IXMLNode type, int) {
            IASInterfaceType.append(type.ReadText());
            return true;
        });
    });
}
