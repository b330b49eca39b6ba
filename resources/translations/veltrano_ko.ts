<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<!--
Glossary (English = ko); later texts follow it:
  Animate = 애니메이션
  Annotate mode = 주석 모드
  annotation = 주석
  application = 앱
  Before / After = 시술 전 / 시술 후
  brush = 브러시
  canvas = 캔버스
  Comparison = 비교
  comparison labels = 비교 레이블
  contact information = 연락처 정보
  containing folder = 파일이 있는 폴더
  crash report = 충돌 보고서
  crop = 자르기
  deformation = 변형
  editing canvas = 편집 캔버스
  editor = 편집기
  Eraser = 지우개
  feedback = 피드백
  file manager = 파일 관리자
  Fit = 화면 맞춤
  Grow = 키우기
  inspector = 인스펙터
  label (watermark label) = 레이블
  Open With… = 다른 앱으로 열기…
  Original = 원본
  Output = 출력
  Pictures (folder) = 사진
  Print = 인쇄
  Push = 밀기
  Reconstruct = 재구성
  redo = 다시 실행
  reset = 재설정
  reshape = 변형
  Save images = 이미지 저장
  Save video = 비디오 저장
  Settings = 설정
  Share = 공유
  Shrink = 줄이기
  Simulation = 시뮬레이션
  source image = 소스 이미지
  Spacebar = 스페이스바
  still image = 정지 이미지
  tab = 탭
  undo = 실행 취소
  watermark = 워터마크
  zoom = 확대/축소
  Zoom In / Zoom Out = 확대 / 축소
Never use (native readers misread them; the check refuses them):
  Drag an image here ≠ 십시오: the start page asks in the polite -세요 form (놓으세요, 선택하세요); the formal -십시오 reads stiff beside it
  drop one image file ≠ 십시오: as above: the start page asks with -세요
  exactly one image at a time ≠ 십시오: as above: the start page asks with -세요
  Folders cannot be opened here ≠ 십시오: as above: the start page asks with -세요
-->
<context>
    <name>Veltrano</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · JPEG</source>
        <translation>%1 · JPEG</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>%1 — Unavailable - Remove</source>
        <translation>%1 — 사용할 수 없음 - 제거</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2pt</translation>
    </message>
    <message>
        <source>%1, %2 pt, italic</source>
        <translation>%1, %2pt, 기울임꼴</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1, 뒤집힘</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1바이트</translation>
    </message>
    <message>
        <source>3 SHORTCUTS WORTH KNOWING</source>
        <translation>알아 두면 좋은 단축키 3가지</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Veltrano 정보</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>이 옵션을 사용하려면 원본 또는 시뮬레이션 레이블을 추가하십시오.</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>이 옵션을 사용하려면 연락처 정보를 추가하십시오.</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>중안면에 볼륨을 더해 필러 같은 볼륨감을 줍니다.</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>시뮬레이션에 여러 줄 텍스트 추가(T)</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>시뮬레이션에 여러 줄 텍스트를 추가합니다.</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>확대 효과를 위해 돌출감과 둥근 형태를 더합니다.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>브러시 크기 조정</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>브러시 크기 조정(Alt + 두 손가락 스크롤 또는 마우스 휠)</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>모든 단축키</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>세 탭 모두(3페이지)</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>세 탭 모두 — 파일 3개 저장</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + 두 손가락 스크롤
또는 마우스 휠</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>애니메이션</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>애니메이션 비디오를 저장할 수 없습니다. %1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>애니메이션 비디오 내보내기가 취소되었지만 정리 작업을 확인해야 합니다.</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>애니메이션 비디오를 만들려면 편집 캔버스가 2 × 2픽셀 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>주석 모드</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>주석 지우개 도구</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>주석 도구</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>이 위치에 있던 기존 파일은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>팔</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>저장 이미지 크기 한도 두 가지를 모두 현재 이미지 크기에 맞게 자동으로 조정합니다.</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>브러시</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>브러시 크기</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Backspace 또는 Delete</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>이 컴퓨터에서 편집 반응 속도와 리소스 사용 간의 균형을 조정합니다.</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>기본 파일 이름(예: 환자 이름)</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>가슴</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>변경된 영역 위를 브러시로 문질러 나머지 시뮬레이션을 재설정하지 않고 점차 원본으로 되돌립니다.</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>엉덩이</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>자르기 · 소스 이미지</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>종아리</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>완료되지 않은 작업 취소 또는 주석 선택 해제</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Veltrano 닫기 취소</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>다른 이미지 열기 취소</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>비디오 저장 취소 중…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>캔버스 크기</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>전체 이미지를 가운데에 맞춰 표시</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>전체 이미지를 가운데에 맞춰 표시(F)</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>여기에서 변경한 내용은 이미지 저장을 취소하더라도 설정에 저장됩니다.</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>변경 사항이 자동으로 저장됩니다</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>볼</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>턱 및 턱선</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>JPEG, PNG, BMP, TIFF, HEIC 또는 HEIF 이미지를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>저장 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>다른 로컬 사진 선택</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>그리기 및 텍스트 색상 선택</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>자를 로컬 이미지를 하나 선택하십시오. 원본 파일은 변경되지 않습니다.</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>로컬 이미지 하나를 선택하거나 끌어다 놓으면 자르기 화면이 열립니다.</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>저장할 위치와 이미지를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>이미지 파일을 저장할 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>저장할 이미지의 파일 유형을 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>텍스트 도구에서 사용할 글꼴 선택</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>프레임 선택</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>저장 이미지에 포함할 정보를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>인터페이스 언어를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>저장할 항목과 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>애니메이션 비디오를 저장할 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>시네마 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>원</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>원 주석 도구</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>클래식 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>무시하고 닫기</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>GPU 편집기 오류 닫기</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>이미지 저장 닫기</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>피드백 보내기 닫기</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>설정 닫기</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>이미지 공유 닫기</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>단축키 닫기</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>이미지 변경 사항을 저장하지 않고 Veltrano 닫기</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>오류 메시지 닫기</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>저장 완료 창 닫기</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>비디오 저장 완료 창 닫기</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>비디오 저장 오류 닫기</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>인스펙터 접기 또는 펼치기</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>왼쪽 도구 막대 접기 또는 펼치기</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>도구 막대 접기(Ctrl+T)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>원본과 시뮬레이션을 함께 보는 화면(탭 전환: 왼쪽/오른쪽 화살표 키)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>비교 이미지</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>비교 레이블 설정</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>비교 레이블</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>비교 이미지 최대 결합 크기(px)</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>연락처 정보</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>환자나 동료와 공유하는 이미지에 연락처 정보를 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>연락처 정보는 저장, 공유 또는 인쇄하는 이미지에 포함할 수 있습니다. 여기에 한 번 입력한 후 출력할 때마다 포함 여부를 선택하십시오(예: 동료나 환자에게 이미지를 배포할 때).</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>연락처 정보 설정</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>데스크톱의 공유 앱으로 계속</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>영역을 부드럽게 줄이기(S)</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>영역을 브러시 중심 쪽으로 부드럽게 줄입니다. 정밀하게 변경하려면 짧고 조절된 동작으로 적용하십시오.</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>이미지 복사</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>선택한 텍스트의 모양과 위치를 유지하면서 내용을 수정합니다.</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>크기가 %lu바이트인 충돌 보고서를 디코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>잘못된 충돌 로그 헤더를 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>잘린 충돌 로그를 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>지원되지 않는 충돌 보고서 버전을 디코딩할 수 없습니다: %d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>충돌 보고서의 아키텍처를 알 수 없습니다</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>충돌 보고서에 Mach 예외 코드가 너무 많습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>충돌 보고서에 애플리케이션 정보의 앱 식별자 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>충돌 보고서에 애플리케이션 정보의 앱 버전 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>충돌 보고서에 애플리케이션 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>충돌 보고서에 예외 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>충돌 보고서에 Mach 예외 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>충돌 보고서에 머신 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>충돌 보고서에 프로세스 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>충돌 보고서에 시그널 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>충돌 보고서에 시스템 정보의 OS 버전 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>충돌 보고서에 시스템 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>충돌 보고서에 바이너리 이미지 정보가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>충돌 보고서에 예외 이름 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>충돌 보고서에 예외 사유 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>충돌 보고서에 프로세서 정보 섹션이 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>충돌 보고서에 시그널 코드 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>충돌 보고서에 시그널 이름 필드가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>충돌 보고서에 스택 프레임 정보가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>충돌 보고서에 심볼 정보가 없습니다</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>충돌 보고서에 스레드 상태 정보가 없습니다</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>충돌 보고서를 보내지 못함</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>충돌 보고서 전송 완료</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>충돌 보고서를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>자르기 - 뒤집기</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>이미지 자르기</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>자르기 미리보기</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>자르기 준비 완료</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>현재 탭</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>현재 탭(%1)</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>현재 이미지 크기: %1 × %2 px(가로 × 세로).</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>기본값: “원본” · 왼쪽 또는 아래쪽</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>기본값: “시뮬레이션” · 오른쪽 또는 위쪽</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>지우개가 닿은 그리기 객체 전체 삭제(E)</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>선택한 주석 삭제</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>편집기 메시지 닫기</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>이미지를 100%로 표시</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>설명서</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>보내지 않음</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>설정 완료</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>이미지를 여기로 끌어다 놓으세요</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>이미지를 여기로 끌어다 놓거나 파일 브라우저를 여세요</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>확대 효과를 위해 턱을 앞으로 끌거나, 하안면을 갸름하게 하려면 턱선을 안쪽으로 당깁니다.</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>필요하면 선택 영역이나 모서리를 드래그하십시오</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>그리기</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>원 또는 타원 주석 윤곽선 그리기</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>시뮬레이션에 원 또는 타원 윤곽선을 그립니다.
기존 원을 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>시뮬레이션에 자유형 주석 그리기(D)</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>시뮬레이션 위에 자유형 선을 그립니다.
기존 그림을 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>사각형 주석 윤곽선 그리기</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>시뮬레이션에 사각형 윤곽선을 그립니다.
기존 사각형을 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>직선 주석 그리기</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>그리기 주석 도구</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>직선을 그립니다.
기존 선을 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>놓으면 이미지가 열립니다</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>귀</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>선택한 텍스트 주석 편집</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>워터마크 정보 편집…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>편집 가능한 시뮬레이션 이미지(탭 전환: 왼쪽/오른쪽 화살표 키)</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>편집 캔버스 %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>편집기 이미지 보기</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>입술 홍순부를 고르게 확대합니다. 브러시를 시술하는 입술보다 약간 크게 유지하십시오.</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>기본 파일 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>http:// 또는 https://로 시작하는 전체 주소(예: %1)를 입력하거나 필드를 비워 두십시오.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>http:// 또는 https://로 시작하는 전체 주소(예: %1)를 입력하거나 이 필드를 비워 두십시오.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>올바른 이메일 주소를 입력하거나 필드를 비워 두십시오.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>올바른 이메일 주소를 입력하거나 이 필드를 비워 두십시오.</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>올바른 파일 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>경로 구분 기호 없이 시스템에서 사용할 수 있는 파일 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>경로 구분 기호 없이 시스템에서 사용할 수 있는 폴더 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>1부터 %1까지의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>2부터 %1까지의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>보내기 전에 피드백을 입력하십시오.</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Expand an area smoothly (G)</source>
        <translation>영역을 부드럽게 키우기(G)</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>영역을 브러시 중심에서 바깥쪽으로 부드럽게 키웁니다. 짧고 조절된 동작으로 변화를 쌓아 가십시오.</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>도구 막대 펼치기(Ctrl+T)</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>변형 애니메이션을 MP4로 내보내기</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>내보낸 이미지의 워터마크는 검은색 윤곽선이 있는 흰색 텍스트로 표시됩니다. 연락처 정보는 저장된 각 파일의 왼쪽 아래에 한 번 표시됩니다.</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>눈</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>피드백은 5,000자 이하여야 합니다.</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>피드백 접수 완료</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>파일 형식</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>파일 및 출력</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>파일 형식</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>채운 원</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>채운 원 주석 도구</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>채운 사각형</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>채운 사각형 주석 도구</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>화면 맞춤</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>가로로 뒤집기</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>세로로 뒤집기</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>여기에서는 폴더를 열 수 없습니다. 이미지 파일을 하나 선택하세요.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>자유</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>자유 텍스트(예: 고지 사항)</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>전체 이미지</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>GPU 편집기를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>편집기로 이동</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>키우기</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>키우기 변형 도구</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>인스펙터 숨기기</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>품질이 높을수록 사진의 세부 묘사가 더 많이 보존되지만 파일 크기가 커집니다.</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>골반</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>실행 기록 및 선택</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Alt 키를 누른 채 두 손가락으로 스크롤하거나 마우스 휠을 사용</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>마우스 가운데 버튼을 누른 채 드래그하거나 스페이스바를 누른 채 드래그</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>마우스 가운데 버튼이나 스페이스바를 누른 채로 확대된 이미지를 이동하십시오.</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>인스펙터</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>이미지를 열지 못함</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>이미지가 저장되지 않음</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>이미지가 공유되지 않음</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>이미지 저장 완료</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>이미지 저장 정리</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>이미지 저장이 취소되었지만 정리 작업을 확인해야 합니다.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>이미지 저장 완료</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>원본 / 시뮬레이션 레이블 포함</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>연락처 정보 포함</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>가슴 볼륨을 좌우 대칭으로 늘립니다. 조금씩 작업하며 양쪽을 비교하십시오.</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>종아리 볼륨을 늘려 더 또렷한 하퇴 라인을 만듭니다.</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>JPEG 이미지(.jpg)</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG 품질</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>빠른 편집을 위한 키보드 및 마우스 조작법입니다.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>레이블</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>가로 방향 이미지는 세로로 쌓입니다. 이 값은 전체 높이를 제한하며, 시뮬레이션이 위쪽에, 원본이 아래쪽에 배치됩니다.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>언어 설정</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>필드를 비워 두면 해당 워터마크 레이블이 모든 곳에서 숨겨집니다. 변경 사항은 즉시 반영됩니다.</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>왼쪽 화살표</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>짧은 동작으로 팔 아래 윤곽을 위로 끌어올립니다.</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>자동이 꺼져 있을 때 원본 및 시뮬레이션 이미지의 가장 긴 변을 제한합니다. 가로세로 비율은 유지됩니다.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>선</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>선 주석 도구</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>입술</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>이미지 불러오는 중…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>MPEG-4 동영상</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>최대 이미지 크기: %1 px. 더 큰 선택 영역은 원활한 편집을 위해 축소됩니다. 성능이 낮은 컴퓨터에서는 설정 / 성능에서 이 한도를 낮추십시오.</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>이미지 최대 변 길이</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>마우스 가운데 버튼 + 드래그
또는 스페이스바 + 드래그</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>원본에서 시뮬레이션 이미지로 바뀌는 모핑 애니메이션</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>확대된 이미지에서 이동</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>확대된 이미지에서 이동(마우스 가운데 버튼 또는 스페이스바)</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>이미지 이동 모드</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>드래그하는 방향으로 픽셀 이동(P)</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>작고 느린 동작으로 바깥 귀를 머리 쪽으로 가깝게 옮깁니다.</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>브러시 원 안의 이미지 영역을 드래그 방향으로 이동합니다. 원하는 결과를 얻을 때까지 다양한 브러시 크기와 느린 동작으로 시도해 보십시오.</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>필수</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>이름은 100자 이하여야 합니다.</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>벌어진 콧볼을 좁힙니다. 양쪽을 따로따로 작업하십시오.</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>양쪽에서 안쪽으로 짧게 밀어 콧등을 좁히고, 옆모습에서 매부리 부분을 줄입니다.</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>목</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>두 설정 모두 원본이나 시뮬레이션 이미지를 확대하지 않습니다. 비교 이미지는 두 이미지를 결합하므로 전체 너비나 높이가 현재 이미지 크기의 최대 2배가 될 수 있습니다.</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>다음 편집기 탭</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>설정에 원본 또는 시뮬레이션 레이블이 지정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>이미지를 열 수 있는 앱이 없습니다.</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>설정에 연락처 정보가 지정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>이미지를 첨부할 수 있는 이메일 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>편집한 내용이 없으므로 저장할 변경 사항이 없습니다.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>편집한 내용이 없으므로 저장할 애니메이션이 없습니다.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>편집한 내용이 없으므로 애니메이션으로 보여 줄 내용이 없습니다.</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>선택한 폴더 없음</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>단축키 없음</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>문서를 열 수 있는 웹 브라우저가 없습니다.</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>지원 페이지를 열 수 있는 웹 브라우저가 없습니다.</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>원본 파일을 변경하지 않는 소스 자르기</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>코</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>콧볼</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>설정에 지정되지 않음</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>선택 안 됨</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>JPEG 하나를 설치된 공유 앱에 전달합니다.</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>원본 레이블만 설정되어 있으므로 시뮬레이션에는 레이블이 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>시뮬레이션 레이블만 설정되어 있으므로 원본에는 레이블이 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>무시하고 열기</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>이미지 열기</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>이미지 열기…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>이미지 저장 열기</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>다른 앱으로 열기…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>다른 이미지 열기</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>이미지 변경 사항을 저장하지 않고 다른 이미지 열기</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>파일이 있는 폴더 열기</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>파일 브라우저 열기</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>선택한 자르기 영역을 편집기에서 열기</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>시스템 인쇄 기능 열기</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>시스템 공유 메뉴 열기</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>원본과 시뮬레이션을 나란히 배치합니다.</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>원본 / 시뮬레이션 레이블</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>원본 및 시뮬레이션 최대 크기(px)</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>원본 이미지</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>원본 이미지 레이블</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>원본 레이블</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>수정되지 않은 원본 이미지(탭 전환: 왼쪽/오른쪽 화살표 키)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>이미지 이동</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>PNG 이미지(.png)</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG는 기본 무손실 형식이지만 파일 크기가 커집니다.</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>성능 설정</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>전화번호</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>채운 원 또는 타원 주석 배치</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>시뮬레이션에 채운 원 또는 타원을 배치합니다.
기존 원을 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>채운 사각형 주석 배치</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>시뮬레이션에 채운 사각형 주석을 배치합니다. 눈을 가리거나 환자를 익명화하는 데 사용할 수 있습니다.
기존 사각형을 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>한 번에 이미지를 하나만 선택하세요.</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>이미지 파일을 하나만 끌어다 놓으세요.</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>인물 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>세로 방향 이미지와 정사각형 이미지는 나란히 배치됩니다. 이 값은 전체 너비를 제한하며, 원본이 왼쪽에, 시뮬레이션이 오른쪽에 배치됩니다.</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>편집 캔버스 준비 중…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>데스크톱의 공유 앱을 위해 이미지를 준비하는 중</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>미리보기:</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>이전 편집기 탭</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>인쇄 미리보기를 준비할 수 없습니다. 전체 이미지를 렌더링할 수 없습니다.</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>인쇄를 시작할 수 없습니다. 전체 이미지를 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>인쇄 실패</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>개인정보 보호: </translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>변경된 영역을 점차 원본으로 되돌리기(R)</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>턱밑 부위를 안쪽으로 당겨 이중턱을 줄입니다.</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>밀기</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>지방 흡입이나 복부 성형 효과를 위해 양쪽 옆구리를 고르게 안쪽으로 밉니다.</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>필러로 들어 올린 듯한 효과를 위해 볼 볼륨을 위쪽과 바깥쪽으로 밉니다.</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>밀기 변형 도구</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Veltrano 종료</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>최근 위치</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>재구성</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>재구성 변형 도구</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>사각형 주석 도구</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>마지막으로 실행 취소한 작업 다시 실행(Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>마지막으로 실행 취소한 작업 다시 실행</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>축소 시뮬레이션을 위해 가슴 볼륨을 줄입니다. 양쪽을 비교하십시오.</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>작고 점진적인 동작으로 돌출된 귀의 크기를 줄여 보이게 합니다.</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>작은 브러시로 코끝을 줄입니다.</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>지우개가 닿은 주석 객체 전체를 제거합니다. 사진과 변형에는 영향을 주지 않습니다.</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>이미지 선택기 다시 열기</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>모두 재설정</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>모든 변형 및 주석 재설정</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>방향 재설정</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>전체 이미지로 재설정</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>변형</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>골반 너비를 바깥쪽 또는 안쪽으로 조정합니다. 동작을 좌우 대칭으로 유지하십시오.</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>변형 모드</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>변형 도구</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>환자 상담을 위한 형태 변형 미리보기</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>무시하고 다시 시작</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>지금 Veltrano 다시 시작</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>이미지 변경 사항을 저장하지 않고 Veltrano 다시 시작</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>이 변경 사항을 적용하려면 앱을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>오른쪽 화살표</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>소스 이미지 회전 또는 뒤집기</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>자르기 영역을 왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>자르기 영역을 오른쪽으로 회전</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>선택한 텍스트</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>선택 영역 가로세로 비율</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>선택 영역 크기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>이미지 저장</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>다시 시작하기 전에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>닫기 전에 이미지 저장</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>다른 이미지를 열기 전에 이미지 저장</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>이미지 저장</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>이미지 저장…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>원본, 시뮬레이션 또는 비교 이미지 전체 저장</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>시스템의 사진 폴더 안에 있는 Veltrano 폴더에 저장합니다.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>비디오 저장</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>비디오 저장…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>저장 이미지 크기</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>왼쪽으로 스크롤</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>오른쪽으로 스크롤</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>선택 / 이동</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>그리기 선택</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>지우개 선택</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>키우기 선택</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>밀기 선택</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>재구성 선택</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>줄이기 선택</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>텍스트 선택</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>주석 선택 또는 이동 도구</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>주석 선택 또는 이동</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>편집할 영역을 선택하십시오. 어두운 영역은 참고용으로 계속 표시되지만 편집기에서는 제외됩니다.</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>다음 편집기 탭 선택</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>이전 편집기 탭 선택</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>포인터 아래의 맨 위 주석을 선택한 후 드래그하여 시뮬레이션에서 위치를 옮깁니다.
이 도구를 먼저 선택하지 않아도 주석을 두 번 클릭하여 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>맨 위 그리기 객체를 선택하고 드래그하여 이동(V)</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>이 자르기 가로세로 비율 선택</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>저장할 이미지 보기를 선택하십시오.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>선택됨</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>선택한 폴더</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>선택한 폴더 정보</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>선택 영역 %1 × %2 소스 픽셀</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>선택 영역 크기</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>이메일로 보내기…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>보고서 보내기</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>피드백 보내는 중</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>피드백 보내는 중…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>보내는 중…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>작업 캔버스의 최대 크기를 설정합니다. 이보다 작은 이미지는 영향을 받지 않습니다. 큰 이미지는 여기에서 설정한 최대 크기로 축소됩니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>이미지 공유</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>공유…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>공유를 시작할 수 없습니다. %1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>공유를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>단축키: %1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>비교에서 이미지 레이블 표시</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>인스펙터 표시</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>소스 이미지 픽셀 하나를 화면 픽셀 하나로 표시</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>비교 레이블 표시 또는 숨기기</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>줄이기</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>줄이기 변형 도구</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>시뮬레이션</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>시뮬레이션 이미지</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>시뮬레이션 이미지 레이블</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>시뮬레이션 레이블</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>눈매를 약간 키웁니다. 작은 브러시를 사용하고 효과를 점진적으로 적용하십시오.</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>통통한 볼을 갸름하게 하여 협부 지방 제거를 시뮬레이션합니다.</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>반대 방향 동작으로 허벅지 안쪽과 바깥쪽 라인을 갸름하게 합니다.</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>소셜 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>편집하지 않은 소스 사진입니다.</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>정사각형 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>이 기기에 로컬로 저장됩니다.</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>로컬에 저장됩니다. 해당 출력에서 선택하지 않으면 포함되지 않습니다.</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>선 굵기</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>하위 폴더 이름(선택 사항)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>지원되는 이미지: JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>동기화된 확대/축소(Ctrl + 마우스 휠)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>텍스트 주석 도구</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>감사합니다. 보고서 ID:
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>감사합니다. 피드백이 접수되었습니다.</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>사진 폴더에 접근할 수 없습니다.</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>애니메이션 비디오를 선택한 위치에 배치할 수 없습니다.</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>애니메이션 비디오가 저장되었습니다.</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>기본 파일 이름은 “.” 또는 “..”일 수 없습니다.</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>기본 파일 이름에는 줄바꿈, 탭 또는 기타 제어 문자를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>기본 파일 이름이 파일 시스템에서 허용하는 길이보다 깁니다.</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>기본 파일 이름은 180자 이하여야 합니다.</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>변경 사항이 저장되지 않았습니다. 지금 다시 시작하면 변경 사항이 삭제됩니다.</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>전체 애니메이션을 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>전체 이미지를 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>충돌 보고서를 보낼 수 없습니다. 인터넷 연결을 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>데이터의 형식이 올바르지 않아 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>디스크가 가득 찼거나 해당 위치를 사용할 수 없는 상태일 수 있습니다.</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>편집 캔버스를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>편집 캔버스를 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>피드백 전송을 안전하게 다시 시도할 수 없습니다. 이 대화 상자를 닫고 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>하나 이상의 필드가 올바르지 않아 피드백을 보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>피드백을 보낼 수 없습니다. 인터넷 연결을 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>피드백 서비스에서 잘못된 응답을 반환했습니다.</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>파일을 기록할 수 없습니다. 디스크가 가득 찼을 수 있습니다.</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>파일 관리자에서 파일이 있는 폴더를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>파일 관리자에서 이미지를 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>이미지를 클립보드에 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>이미지를 인코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>이미지를 저장할 수 없습니다. %1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>이미지를 공유할 수 없습니다. %1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>이미지가 저장되었습니다.</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>이미지가 모두 저장되었습니다.</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>원본 이미지 파일은 변경되지 않았습니다. 이 이미지를 다시 편집하기 전에 Veltrano를 닫았다가 다시 여십시오. 현재 편집기 세션에서 변경한 내용은 저장되지 않았습니다.

문제가 계속되면 다음 주소로 지원팀에 문의하십시오: %1.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>인쇄 작업이 실패했습니다.</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>대체 이미지를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>요청한 작업을 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>저장된 애니메이션 비디오를 검증할 수 없습니다.</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>저장된 이미지를 검증할 수 없습니다.</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>설정 파일이 다른 버전의 Veltrano에서 작성되었습니다.</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>소스 이미지가 열린 후에 변경되었습니다. 편집하기 전에 이미지를 다시 여십시오.</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>하위 폴더 이름은 “.” 또는 “..”일 수 없습니다.</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>하위 폴더 이름에는 줄바꿈, 탭 또는 기타 제어 문자를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>하위 폴더 이름이 파일 시스템에서 허용하는 길이보다 깁니다.</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>하위 폴더 이름은 255자 이하여야 합니다.</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>시스템에서 임시 공유 이미지를 만들거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>시스템에서 이 앱의 공유 메뉴를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>시스템에서 비디오를 기록하거나 마무리할 수 없습니다. 디스크가 가득 찼거나, 위치를 사용할 수 없거나, 파일이 사용 중일 수 있습니다.</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>시스템이 대상 파일을 이미 교체하기 시작했을 수 있습니다. 다시 시도하기 전에 파일을 확인하십시오.</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>기본 파일 이름 뒤에 탭 보기 접미사가 붙습니다.</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>임시 공유 이미지가 잠겨 있으므로 나중에 제거됩니다.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>임시 공유 이미지를 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>임시 공유 이미지를 검증할 수 없습니다.</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>이 선택적 설정으로 저장 이미지의 픽셀 크기를 조절할 수 있습니다.</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>이 설정을 저장할 수 없습니다. 현재 세션 동안에는 계속 적용됩니다.</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>이 워터마크 레이블은 편집기의 비교 탭 위쪽 모서리에 표시됩니다. 저장, 공유, 인쇄하는 비교 이미지에도 포함할 수 있습니다.</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>허벅지</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>이 컴퓨터에서 H.264 비디오 인코더를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>이 자르기 영역은 올바르지 않습니다. 편집기로 이동하기 전에 조정하십시오.</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>이 폴더에 접근할 수 없습니다. 다른 저장 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>이 폴더는 선택한 위치 안에 만들어집니다. 비워 두면 선택한 위치에 바로 저장됩니다.</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>이 폴더가 더 이상 존재하지 않거나 접근할 수 없습니다. 다른 저장 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>이 폴더가 더 이상 존재하지 않습니다. 다른 저장 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>이 이미지를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>이 이미지를 열 수 없습니다. 다른 로컬 이미지를 선택하십시오.</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>이 이미지를 편집용으로 준비할 수 없습니다. 자르기 영역을 조정하거나 이미지를 다시 여십시오.</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>이 이미지를 읽을 수 없습니다. 손상되었거나 호환되지 않는 이미지일 수 있습니다</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>이 이미지는 너무 커서 안전하게 열 수 없습니다.</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>이 경로는 표시 전용입니다. 다른 폴더를 선택하거나 만들려면 사진, 최근 위치 또는 찾아보기를 사용하십시오. 하위 폴더에 저장하려면 하위 폴더 이름 필드에 이름을 입력하십시오(선택 사항).</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>이 최근 폴더가 더 이상 존재하지 않거나 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>애니메이션을 중지하려면 다른 탭을 선택하십시오.</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>비교 레이블 표시/숨기기</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>인스펙터 표시/숨기기</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>비교 탭에서 원본/시뮬레이션 레이블 표시/숨기기(Ctrl+L)</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>도구 막대 표시/숨기기</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>제출된 피드백 메시지가 너무 많습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>도구 사용 팁</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>도구 지름</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>편집기를 열 수 없음</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>마지막 작업 실행 취소(Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>마지막 작업 실행 취소</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>저장되지 않은 이미지 변경 사항</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>브라질 포르투갈어 사용</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>영어 사용</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>프랑스어 사용</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>이탈리아어 사용</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>일본어 사용</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>한국어 사용</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>중국어(간체) 사용</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>스페인어 사용</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>터키어 사용</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>시스템 인쇄 기능 사용</translation>
    </message>
    <message>
        <source>Veltrano</source>
        <translation>Veltrano</translation>
    </message>
    <message>
        <source>Veltrano captured a crash from the previous session.

Send a diagnostic report to help identify the cause?

Included:
• App, operating system and build versions
• Crash signal, exception type, thread stacks and registers
• Binary names, load addresses and build IDs for symbolication

Not included:
• Images or project content
• File names or paths
• Contact information, credentials
• Exception reasons, the system journal or system crash reports

Threads: %1
Upload size: %2
Signal: %3 (%4)</source>
        <translation>Veltrano가 이전 세션에서 발생한 충돌을 기록했습니다.

원인 파악에 도움이 되도록 진단 보고서를 보내시겠습니까?

포함되는 정보:
• 앱, 운영 체제 및 빌드 버전
• 충돌 시그널, 예외 유형, 스레드 스택 및 레지스터
• 심볼 해석을 위한 바이너리 이름, 로드 주소 및 빌드 ID

포함되지 않는 정보:
• 이미지 또는 프로젝트 콘텐츠
• 파일 이름 또는 경로
• 연락처 정보, 자격 증명
• 예외 사유, 시스템 저널 또는 시스템 충돌 보고서

스레드: %1
업로드 크기: %2
시그널: %3 (%4)</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Veltrano 콘텐츠</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>Veltrano가 999개의 버전을 확인한 후에도 사용 가능한 파일 이름을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltrano에서 선택한 이미지를 공유용으로 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltrano가 임시 비디오 파일을 제거하지 못했습니다. 직접 삭제할 수 있습니다:</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltrano가 임시 비디오 폴더를 제거하지 못했습니다. 직접 삭제할 수 있습니다:</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltrano가 다음 임시 파일 또는 불완전한 이미지 파일을 제거하지 못했습니다. 직접 확인하십시오:</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltrano를 다시 시작할 수 없습니다. 앱을 닫았다가 다시 여십시오.</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltrano가 이전 충돌을 감지했지만 진단 보고서를 준비할 수 없습니다. 시스템에 보관된 충돌 기록은 계속 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltrano에 예기치 않은 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Veltrano 이미지</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>Veltrano가 JPEG 하나를 준비하면 데스크톱에서 이 계정에 설치된 호환 공유 앱을 표시합니다.</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>세로 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>비디오가 저장되지 않음</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>비디오 저장 취소됨</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>비디오 저장 완료</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>보기 및 탐색</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>워터마크</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>공유할 항목</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>허리</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>워터마크 레이블은 비교 이미지를 포함하여 저장 이미지의 모서리에 표시됩니다. 일반적인 값: “시술 전 / 시술 후” 또는 “원본 / 시뮬레이션”. 현재 값: %1 / %2.</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>워터마크</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>기본값을 유지하는 것이 좋습니다. 성능이 낮은 컴퓨터에서 이미지 작업이 느리게 느껴지면 최대 이미지 크기를 줄여 반응 속도를 높여 보십시오. 현재 이미지의 크기는 변경되지 않으며, 이 설정은 다음에 여는 이미지부터 적용됩니다.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>웹사이트 주소</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>저장할 항목</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>위치 / 항목</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>와이드 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>텍스트 도구를 선택한 상태에서 텍스트를 추가할 시뮬레이션 이미지 위치를 정확히 클릭합니다.
기존 텍스트를 두 번 클릭하여 선택한 후 드래그하여 이동합니다.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>이미 애니메이션 탭에 있습니다</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>이미 원본 탭에 있습니다</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>애니메이션 탭에서는 이미지를 수정할 수 없습니다. 편집하려면 시뮬레이션 또는 비교 탭을 선택하십시오.</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>원본 이미지는 수정할 수 없습니다</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>애니메이션 비디오가 준비되었습니다.</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>자르기 영역은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>자르기 영역은 그대로 유지됩니다. 조정하거나 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>편집기의 현재 이미지는 변경 없이 열린 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>현재 결과가 이미지로 저장되지 않았습니다. 지금 닫으면 편집기에서 변경한 내용이 삭제됩니다.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>현재 결과가 이미지로 저장되지 않았습니다. 지금 다른 이미지를 열면 편집기에서 변경한 내용이 삭제됩니다.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>현재 결과가 이미지로 저장되지 않았습니다. 지금 다시 시작하면 편집기에서 변경한 내용이 삭제됩니다.</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>피드백, 이름 및 이메일이 Veltrano 지원팀으로 전송됩니다.</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>이미지를 저장하는 중입니다</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>이미지가 준비되었습니다.</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>이미지가 업로드되거나 당사로 전송되는 일은 절대 없습니다.</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>이미지가 모두 준비되었습니다.</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>최근 변경 사항이 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>변형한 결과 이미지입니다.</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>비디오를 저장하는 중입니다</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>실행 취소는 5단계까지만 가능합니다. 그 이전의 변형은 재구성 도구로 되돌리고, 그 이전의 그리기는 지우개로 제거하십시오.</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>이미지 확대/축소</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>화면 맞춤부터 화면 맞춤의 16배까지 확대/축소</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>이미지를 이동하기 전에 확대하십시오</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>단계적으로 확대</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>확대 또는 축소</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>단계적으로 축소</translation>
    </message>
    <message>
        <source>or</source>
        <translation>또는</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– 편집 ›</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
</context>
</TS>
