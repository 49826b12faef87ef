// The icon file we assemble must load in Qt's own icon reader, image by
// image, since that is what finally shows it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "platform/peicon/ExecutableIcon.h"
#include "tests/peicon/IconImages.h"
#include "tests/peicon/PeImageBuilder.h"

namespace quillan::peicon::testing {
namespace {

TEST(ExecutableIconInQt, BothImagesLoad) {
  const std::string red = dibImage(16, 0xFFFF0000);
  const std::string blue = pngImage(32, 0xFF0000FF);
  const BuiltImage image =
      buildImage({{{kIconType, ""}, {1, ""}, kEnglish, red},
                  {{kIconType, ""}, {2, ""}, kEnglish, blue},
                  {{kGroupType, ""}, {1, ""}, kEnglish, iconGroup({{16, 16, 32, 0, 1}, {32, 32, 32, 0, 2}})}});
  const std::optional<std::string> ico = firstIconAsIco(image.bytes);
  ASSERT_TRUE(ico);
  QByteArray bytes(ico->data(), static_cast<qsizetype>(ico->size()));

  const QImage first = QImage::fromData(bytes, "ICO");
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.size(), QSize(16, 16));
  EXPECT_EQ(first.pixel(3, 5), 0xFFFF0000u);

  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "ICO");
  ASSERT_EQ(reader.imageCount(), 2);
  ASSERT_TRUE(reader.jumpToImage(1));
  const QImage second = reader.read();
  ASSERT_FALSE(second.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(second.size(), QSize(32, 32));
  EXPECT_EQ(second.pixel(7, 9), 0xFF0000FFu);
}

}  // namespace
}  // namespace quillan::peicon::testing
