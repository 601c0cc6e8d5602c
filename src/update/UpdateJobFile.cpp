#include "update/UpdateJobFile.h"

#include "app/XmlFile.h"
#include "projects/ProjectStore.h"

#include <QDir>

namespace vaduvizu {

namespace {

// Absolute path with the platform's separators, as the external update program expects it.
QString nativeFile(const QString& folder, const QString& relative) {
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absoluteFilePath(relative)));
}

void addText(pugi::xml_node parent, const char* name, const QString& text) {
    parent.append_child(name).text().set(text.toUtf8().constData());
}

void addEmpty(pugi::xml_node parent, const char* name) {
    parent.append_child(name);
}

// The children that differ between the firmware, the parameter image and the rules image.
struct OperationKind {
    QString fileName;
    const char* startAddress;
    const char* bankType;
    const char* writeCss;
    const char* writeInternalData;
};

void addOperation(pugi::xml_node operations, const OperationKind& kind, bool readBack, bool last) {
    pugi::xml_node op = operations.append_child("Operation");
    addEmpty(op, "Ope_Protection_Enabled");
    addText(op, "Ope_GoToBoot_Before", "0");
    addText(op, "Ope_GoToApp_Before", "0");
    addEmpty(op, "Ope_IP_Address");
    addText(op, "Ope_Port", "2008");
    addText(op, "Ope_Port_Sec", "2007");
    addText(op, "Ope_Erase_Memory", "0");
    addText(op, "Ope_FileName", kind.fileName);
    addText(op, "Ope_Start_Address", kind.startAddress);
    addText(op, "Ope_Memory_Type", "0");
    addText(op, "Ope_Bank_Type", kind.bankType);
    addText(op, "Ope_Read_Back", readBack ? "1" : "0");
    addText(op, "Ope_Write_CSS", kind.writeCss);
    addText(op, "Ope_Address_CSS", "0x07A00");
    addText(op, "Ope_Command_CSS", "0x02");
    addText(op, "Ope_Write_Internal_Data", kind.writeInternalData);
    addText(op, "Ope_WID_Address", "0x07810");
    addText(op, "Ope_WID_Command", "0x02");
    addText(op, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    addText(op, "Ope_GoToApp_After", last ? "1" : "0");
}

} // namespace

std::optional<UpdateOption> updateOptionAt(int index) {
    if (index < 0 || index > static_cast<int>(UpdateOption::Configuration))
        return std::nullopt;
    return static_cast<UpdateOption>(index);
}

void fillUpdateJob(pugi::xml_document& doc, const UpdateJob& job) {
    doc.reset();
    pugi::xml_node root = doc.append_child("Ethernet_Update");
    addText(root, "Version", "1000");
    addText(root, "Title", "Vivarod - VUD3O58 Ethernet Update");
    addText(root, "IP_Address_Dev", job.deviceAddress);
    addText(root, "Application_Port", "10000");
    addText(root, "Boot_Port", "2008");
    addText(root, "Boot_Port_Sec", "2007");
    addText(root, "Address_Protection", "0x07800");
    addText(root.append_child("Protections"), "Protection", "0x409");
    pugi::xml_node operations = root.append_child("Operations");

    const ProjectFiles files = projectFilesIn(QDir(job.projectFolder).absolutePath());
    const OperationKind firmware{nativeFile(job.masterFolder, QLatin1String(FirmwareFileName)),
                                 "0x8000", "1", "1", "0"};
    const OperationKind parameters{QDir::toNativeSeparators(files.parameterImage), "0x07000", "2",
                                   "0", "1"};
    const OperationKind rules{QDir::toNativeSeparators(files.rulesImage), "0x80000", "2", "0", "0"};

    const bool withFirmware = job.option != UpdateOption::Configuration;
    const bool withImages = job.option != UpdateOption::Firmware;
    if (withFirmware)
        addOperation(operations, firmware, job.readBack, !withImages);
    if (withImages) {
        addOperation(operations, parameters, job.readBack, false);
        addOperation(operations, rules, job.readBack, true);
    }
}

QString Compile_XML_Parameter_New_Boot(const UpdateJob& job) {
    pugi::xml_document doc;
    fillUpdateJob(doc, job);
    const QString path = QDir(job.applicationFolder).filePath(QLatin1String(UpdateJobFileName));
    saveXmlFile(doc, path);
    return path;
}

} // namespace vaduvizu
