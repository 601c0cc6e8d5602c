#include "update/UpdateCommand.h"

#include "app/FileError.h"
#include "app/XmlFile.h"
#include "image/ImageBuildError.h"
#include "image/ImageCompiler.h"
#include "image/ImageConversions.h"
#include "projects/ProjectStore.h"

#include <QDir>

namespace vaduvizu {

namespace {

int payloadSize(const QString& parameterFile) {
    pugi::xml_document doc;
    if (!loadXmlFile(doc, parameterFile))
        return 0;
    const XmlValue value = childText(doc.first_child(), "LoRa_Payload_Size");
    return value.found ? image::decimalInteger(value.text).value_or(0) : 0;
}

} // namespace

bool Check_Config_LoraWAN(const QString& projectFolder) {
    const ProjectFiles files = projectFilesIn(projectFolder);
    const int payload = payloadSize(files.parameterFile);

    pugi::xml_document rules;
    if (!loadXmlFile(rules, files.rulesFile))
        return true;
    const pugi::xml_node uplink = rules.first_child().child("LoRaWAN_Uplink");
    for (pugi::xml_node rule = uplink.first_child(); rule; rule = rule.next_sibling()) {
        if (rule.type() != pugi::node_element)
            continue;
        const pugi::xml_attribute enable = rule.attribute("Enable");
        if (!enable || std::string_view(enable.value()) != "Y")
            continue;
        const pugi::xml_attribute numByte = rule.attribute("NumByte");
        const long long count =
            numByte ? image::decimalInteger(std::string_view(numByte.value())).value_or(-1) : -1;
        if (count < 0 || count > static_cast<long long>(payload) - 2)
            return false;
    }
    return true;
}

UpdateDeviceResult Update_Device(image::ImageCompiler& compiler, const QString& projectFolder) {
    using Outcome = UpdateDeviceResult::Outcome;
    try {
        if (!Check_Config_LoraWAN(projectFolder))
            return {Outcome::PayloadCheckFailed, {}};
        compiler.Build_Images(projectFolder);
        compiler.Write_Images();
        return {Outcome::ImagesWritten, {}};
    } catch (const FileError& error) {
        return {Outcome::Failed, error.message()};
    } catch (const ImageBuildError& error) {
        return {Outcome::Failed, error.message()};
    }
}

} // namespace vaduvizu
