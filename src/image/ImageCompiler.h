#pragma once

#include "image/ParameterRecord.h"
#include "image/RulesImage.h"

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace vaduvizu::image {

// Compiles a project folder into the parameter image (bank1.bin) and the rules image
// (bank2.bin). One instance lives as long as the process; every build starts from the
// defaults, so nothing of an earlier build or another project reaches an image.
class ImageCompiler {
public:
    ImageCompiler();

    // Builds both images of the project into the output buffers.
    // Throws FileError when a project file cannot be read or parsed, and ImageBuildError when
    // the build is refused; afterwards no image is ready and Write_Images refuses to write.
    void Build_Images(const QString& projectFolder);

    // Writes both images of the last successful build into the project's "bin" folder,
    // through the safe-save helper. Throws FileError naming the file or folder that failed
    // (the "bin" folder is never created here), and std::logic_error without a build.
    void Write_Images() const;

    // The images of the last successful build; empty when none is ready.
    std::span<const std::uint8_t> parameterImage() const;
    std::span<const std::uint8_t> rulesImage() const;

private:
    void Read_Parameter_File();
    void Read_Rules_File(std::uint32_t base);

    QString m_projectFolder;
    ParameterRecord m_parameters;
    RulesImage m_rules;
    std::vector<std::uint8_t> m_parameterBuffer;
    std::vector<std::uint8_t> m_rulesBuffer;
    std::size_t m_parameterLength = 0;
    std::size_t m_rulesLength = 0;
};

} // namespace vaduvizu::image
