# SPDX-License-Identifier: GPL-2.0-or-later
# The core's tests, which the desktop build runs natively and the browser's build under Node: the
# including file defines kiva_add_test_program and KIVA_TEST_CATALOGUE_DIR.

kiva_add_test_program(math_tests
    SOURCES
        math/vector_math_test.cpp
    LIBRARIES kiva_math)

kiva_add_test_program(platform_tests
    SOURCES
        platform/binary_archive_test.cpp
        platform/desktop_entry_test.cpp
        platform/file_search_test.cpp
        platform/portable_std_test.cpp
        platform/text_fields_test.cpp
        platform/ui_language_test.cpp
    LIBRARIES kiva_platform_core)

kiva_add_test_program(chem_tests
    SOURCES
        chem/catalogue_language_test.cpp
        chem/compound_record_test.cpp
        chem/document_file_test.cpp
        chem/element_table_test.cpp
        chem/expand_basis_site_test.cpp
        chem/element_file_test.cpp
        chem/molecule_index_test.cpp
        chem/phase_points_test.cpp
        chem/shared_data_test.cpp
        chem/text_lines_test.cpp
    LIBRARIES kiva_chem)

kiva_add_test_program(matter_tests
    SOURCES
        matter/heating_session_test.cpp
        matter/matter_run_test.cpp
        matter/particle_box_test.cpp
    LIBRARIES kiva_matter)

kiva_add_test_program(render_tests
    SOURCES
        render/bond_search_test.cpp
        render/depth_order_test.cpp
        render/depth_tiles_test.cpp
        render/draw_budget_test.cpp
        render/draw_scene_gdi_test.cpp
        render/footprint_test.cpp
        render/label_font_test.cpp
        render/motion_tables_test.cpp
        render/picture_labels_test.cpp
        render/picture_size_test.cpp
        render/polyhedra_test.cpp
        render/render_frame_test.cpp
        render/render_workers_test.cpp
        render/scene_build_test.cpp
        render/smooth_edges_test.cpp
        render/translucent_faces_test.cpp
    LIBRARIES kiva_render)
target_compile_definitions(render_tests PRIVATE KIVA_CATALOGUE_DIR="${KIVA_TEST_CATALOGUE_DIR}")

kiva_add_test_program(dialogs_tests
    SOURCES
        dialogs/catalogue_selection_test.cpp
        dialogs/element_color_model_test.cpp
        dialogs/export_picture_model_test.cpp
        dialogs/print_size_model_test.cpp
        dialogs/selection_model_test.cpp
        dialogs/unit_cell_multiples_model_test.cpp
    LIBRARIES kiva_dialog_logic)
target_compile_definitions(dialogs_tests PRIVATE KIVA_CATALOGUE_DIR="${KIVA_TEST_CATALOGUE_DIR}")

kiva_add_test_program(view_tests
    SOURCES
        view/handout_layout_test.cpp
        view/measurements_test.cpp
        view/molecule_view_test.cpp
        view/print_layout_test.cpp
        view/mouse_modes_test.cpp
    LIBRARIES kiva_view_core)
target_compile_definitions(view_tests PRIVATE KIVA_CATALOGUE_DIR="${KIVA_TEST_CATALOGUE_DIR}")

kiva_add_test_program(web_tests
    SOURCES
        web/page_session_test.cpp
    LIBRARIES kiva_page)
target_compile_definitions(web_tests PRIVATE KIVA_CATALOGUE_DIR="${KIVA_TEST_CATALOGUE_DIR}")
