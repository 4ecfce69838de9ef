# kinloom_offer_folder(TARGET FOLDER): TARGET's users, and TARGET itself,
# include the headers of FOLDER (relative to the project root) as
# "FOLDER/Name.h", and through TARGET no other folder of the project. Each
# target gets an include folder of its own in the build tree that holds only
# a link to FOLDER, so that a header a layer does not link against is not
# found at all; the layering test checks the direction of what is included.
set(KINLOOM_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
cmake_path(NORMAL_PATH KINLOOM_SOURCE_ROOT)

function(kinloom_offer_folder target folder)
  set(offered ${CMAKE_BINARY_DIR}/offered/${target})
  cmake_path(GET folder PARENT_PATH parent)
  file(MAKE_DIRECTORY ${offered}/${parent})
  file(CREATE_LINK ${KINLOOM_SOURCE_ROOT}/${folder} ${offered}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${offered})
  else()
    target_include_directories(${target} PUBLIC ${offered})
  endif()
endfunction()
