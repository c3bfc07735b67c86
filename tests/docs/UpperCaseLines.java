// Upper-cases each line of a UTF-8 file the way Java does without locale rules.
//     java UpperCaseLines.java IN OUT
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.List;
import java.util.Locale;
import java.util.stream.Collectors;

public class UpperCaseLines {
    public static void main(String[] args) throws IOException {
        List<String> lines = Files.readAllLines(Path.of(args[0]), StandardCharsets.UTF_8);
        List<String> upper = lines.stream().map(s -> s.toUpperCase(Locale.ROOT)).collect(Collectors.toList());
        Files.write(Path.of(args[1]), upper, StandardCharsets.UTF_8);
    }
}
