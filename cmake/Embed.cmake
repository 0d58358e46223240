# Embeds a file into a target as read-only data, reachable through the
# function `std::string_view QuilleryResource_<NAME>()`. The data is followed
# by one zero byte that is not part of the view.
function(quillery_embed TARGET NAME FILE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${NAME}.cpp)
  file(WRITE ${out}.in
"// Generated: embeds ${FILE}
#include <string_view>
__asm__(\".section .rodata,\\\"a\\\",@progbits\\n\"
        \".balign 16\\n\"
        \".global qv_embedded_${NAME}_begin\\n.hidden qv_embedded_${NAME}_begin\\n\"
        \".global qv_embedded_${NAME}_end\\n.hidden qv_embedded_${NAME}_end\\n\"
        \"qv_embedded_${NAME}_begin:\\n\"
        \".incbin \\\"${FILE}\\\"\\n\"
        \"qv_embedded_${NAME}_end:\\n\"
        \".byte 0\\n\"
        \".previous\\n\");
extern \"C\" const char qv_embedded_${NAME}_begin[];
extern \"C\" const char qv_embedded_${NAME}_end[];
std::string_view QuilleryResource_${NAME}() {
  return {qv_embedded_${NAME}_begin,
          static_cast<std::size_t>(qv_embedded_${NAME}_end - qv_embedded_${NAME}_begin)};
}
")
  configure_file(${out}.in ${out} COPYONLY)
  set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS ${FILE})
  target_sources(${TARGET} PRIVATE ${out})
endfunction()
